#pragma once

#include "model/RegistryRule.h"
#include "model/RecordReach.h"
#include "model/RuleRun.h"

#include <string>
#include <vector>

class StudyCollection;

// The rules that weigh several elements of a record against each other, and
// the one that weighs the records of a collection.
class RecordChecks {
public:
    // Identification.
    static void secondaryDomainGiven(const RegistryRule& rule, RuleRun& run);
    static void secondaryDomainUnused(const RegistryRule& rule, RuleRun& run);
    static void deleteOnlyInPartialUpload(const RegistryRule& rule, RuleRun& run);
    static void uniqueProtocolIds(const RegistryRule& rule, const StudyCollection& collection,
                                  std::vector<RuleFinding>& findings);
    // Status.
    static void recruitingSites(const RegistryRule& rule, RuleRun& run);
    // Design.
    static void interventionalDesignFits(const RegistryRule& rule, RuleRun& run);
    static void observationalDesignFits(const RegistryRule& rule, RuleRun& run);
    static void maskingGiven(const RegistryRule& rule, RuleRun& run);
    static void noMaskingMasksNobody(const RegistryRule& rule, RuleRun& run);
    static void maskingNamesRoles(const RegistryRule& rule, RuleRun& run);
    static void accessTypeGiven(const RegistryRule& rule, RuleRun& run);
    static void noAccessTypeExcludesTypes(const RegistryRule& rule, RuleRun& run);
    // The number given matches the arms or groups listed.
    template <auto... Members> static void armCount(const RegistryRule& rule, RuleRun& run) {
        armCount(rule, run, reach::In<Members...>::of(run.record()));
    }
    // Arms and interventions.
    static void armLabelsUnique(const RegistryRule& rule, RuleRun& run);
    static void interventionArmsGiven(const RegistryRule& rule, RuleRun& run);
    static void interventionArmsKnown(const RegistryRule& rule, RuleRun& run);
    // Eligibility.
    static void agesInOrder(const RegistryRule& rule, RuleRun& run);
    // Contacts and locations.
    static void centralContactGiven(const RegistryRule& rule, RuleRun& run);
    template <auto Member> static void unitedStatesAddress(const RegistryRule& rule, RuleRun& run) {
        std::size_t item = 0;
        for (const auto& location : run.record().location) {
            ++item;
            const Address& address = location->facility.address;
            if (isUnitedStatesWithout(address, address.*Member))
                reportUnitedStates(rule, run, item);
        }
    }
    // References.
    static void otherDocumentType(const RegistryRule& rule, RuleRun& run);

private:
    static void armCount(const RegistryRule& rule, RuleRun& run, const std::string& number);
    static bool isUnitedStatesWithout(const Address& address, const std::string& part);
    static void reportUnitedStates(const RegistryRule& rule, RuleRun& run, std::size_t item);
};
