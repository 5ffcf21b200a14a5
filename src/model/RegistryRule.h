#pragma once

#include "model/RuleFinding.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

class RuleRun;
class StudyCollection;
class StudyRecord;
class TextVisitor;

// Whether a condition of a rule holds for a record, and the record's value
// that makes it hold, for the message ("Terminated").
struct RuleCondition {
    bool holds = false;
    std::string_view value;
};

// One row of the registry's rules: what it concerns and how it is checked.
// The generic checks (required, limit, value list, form) read the texts the
// row's reach visits; the others are functions of their own.
struct RegistryRule {
    using Check = void (*)(const RegistryRule& rule, RuleRun& run);
    using Reach = void (*)(const StudyRecord& record, TextVisitor& visitor);
    using When = RuleCondition (*)(const StudyRecord& record);
    using Accepts = bool (*)(std::string_view text);
    using CollectionCheck = void (*)(const RegistryRule& rule, const StudyCollection& collection,
                                     std::vector<RuleFinding>& findings);

    // The study types a rule applies to; a record whose type is missing or
    // unknown meets only the rules for every type.
    enum Types : unsigned {
        Interventional = 1,
        Observational = 2,
        ExpandedAccess = 4,
        OtherType = 8,
        Studies = Interventional | Observational,
        AnyType = Interventional | Observational | ExpandedAccess | OtherType,
    };
    enum Flags : unsigned {
        NoFlags = 0,
        // Asks for something to be there: a partial upload need not carry it.
        Requirement = 1,
        // Holds only for studies that start on or after 2017-01-18.
        FinalRule = 2,
        // Values are compared without regard to letter case.
        CaseBlind = 4,
    };

    std::string_view id;
    RuleSeverity severity = RuleSeverity::Error;
    std::string_view section;
    std::string_view path;
    // The element's name in the registry's words ("Brief Title").
    std::string_view label;
    unsigned types = AnyType;
    unsigned flags = NoFlags;
    Check check = nullptr;
    Reach reach = nullptr;
    // When a requirement holds, or when the element may be given at all.
    When when = nullptr;
    // The words that end the message: the condition ("when the status is"),
    // or the form a value must have.
    std::string_view phrase;
    std::size_t limit = 0;
    std::span<const std::string_view> values;
    Accepts accepts = nullptr;
    // Set instead of `check` for a rule about the records of a collection.
    CollectionCheck collectionCheck = nullptr;
};
