#pragma once

#include "model/RegistryRule.h"
#include "model/RuleContext.h"
#include "model/RuleFinding.h"

#include <span>
#include <string_view>
#include <vector>

class StudyCollection;
class StudyRecord;

// The registry's review rules for protocol records, checked offline.
//
// A record marked as a partial upload replaces only what it carries, so the
// rules that ask for something to be there (Requirement) pass it by; what it
// does carry is held to every other rule, and so is each entry of its lists.
class RegistryRules {
public:
    // Every rule, grouped by registry module.
    static std::span<const RegistryRule> table();
    // The rule with this id, or null.
    static const RegistryRule* find(std::string_view id);

    // The findings for one record, in table order.
    static std::vector<RuleFinding> check(const StudyRecord& record, const RuleContext& context);
    // The findings for every record, in collection order, each with its
    // record's position; then those about the collection as a whole.
    static std::vector<RuleFinding> check(const StudyCollection& collection,
                                          const RuleContext& context);

private:
    static void checkInto(const StudyRecord& record, const RuleContext& context,
                          std::vector<RuleFinding>& findings);
};
