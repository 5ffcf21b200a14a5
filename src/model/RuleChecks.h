#pragma once

#include "model/RegistryRule.h"

#include <initializer_list>
#include <string>
#include <string_view>

// The checks most rule rows share; each reads the texts the row's reach
// visits and words its findings from the row's label and phrase.
class RuleChecks {
public:
    // Each text must hold more than spaces, when the row's condition holds.
    static void required(const RegistryRule& rule, RuleRun& run);
    // At least one text must hold more than spaces.
    static void atLeastOne(const RegistryRule& rule, RuleRun& run);
    // No text may have more characters than the row's limit.
    static void maxLength(const RegistryRule& rule, RuleRun& run);
    // A text that holds something must be one of the row's values.
    static void oneOf(const RegistryRule& rule, RuleRun& run);
    // A text that holds something must have the form the row accepts.
    static void form(const RegistryRule& rule, RuleRun& run);
    // Nothing may be given: the element is not collected for the record's type.
    static void notCollected(const RegistryRule& rule, RuleRun& run);
    // A text may be given only while the row's condition holds. A "No" or
    // "None" answer is no answer here.
    static void onlyWhen(const RegistryRule& rule, RuleRun& run);

    // Visits the row's texts with `function(item, text)`.
    template <class Function>
    static void forEachText(const RegistryRule& rule, const RuleRun& run, Function function);

    // The parts joined into one message.
    static std::string message(std::initializer_list<std::string_view> parts);
    // A value as messages quote it: in quotes, long ones cut.
    static std::string quoted(std::string_view value);
};

#include "model/RuleRun.h"
#include "model/TextVisitor.h"

template <class Function>
void RuleChecks::forEachText(const RegistryRule& rule, const RuleRun& run, Function function) {
    TextVisitorOf<Function> visitor(function);
    rule.reach(run.record(), visitor);
}
