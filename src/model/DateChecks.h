#pragma once

#include "model/RegistryRule.h"
#include "model/RuleRun.h"
#include "model/StudyRecord.h"

#include <string_view>

// The rules that compare a record's dates with each other and with today.
// Dates that are not well formed are left to the rules of form.
class DateChecks {
public:
    static void verificationNotFuture(const RegistryRule& rule, RuleRun& run);
    // An open study is verified at least every twelve months.
    static void verificationCurrent(const RegistryRule& rule, RuleRun& run);
    static void enrollmentActual(const RegistryRule& rule, RuleRun& run);

    // A date typed Actual has happened; one typed Anticipated has not.
    template <auto Date, auto Type> static void actualNotFuture(const RegistryRule& rule, RuleRun& run) {
        actualNotFuture(rule, run, (run.record().*Date).xmlText(), (run.record().*Type).xmlText());
    }
    template <auto Date, auto Type>
    static void anticipatedNotPast(const RegistryRule& rule, RuleRun& run) {
        anticipatedNotPast(rule, run, (run.record().*Date).xmlText(), (run.record().*Type).xmlText());
    }
    // The row's date (its label) is not before the other (named by the row's phrase).
    template <auto Date, auto Earlier> static void notBefore(const RegistryRule& rule, RuleRun& run) {
        notBefore(rule, run, (run.record().*Date).xmlText(), (run.record().*Earlier).xmlText());
    }

private:
    static void actualNotFuture(const RegistryRule& rule, RuleRun& run, std::string_view date,
                                std::string_view type);
    static void anticipatedNotPast(const RegistryRule& rule, RuleRun& run, std::string_view date,
                                   std::string_view type);
    static void notBefore(const RegistryRule& rule, RuleRun& run, std::string_view date,
                          std::string_view earlier);
};
