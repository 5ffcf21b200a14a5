#pragma once

#include "model/RegistryRule.h"

#include <optional>
#include <string_view>

class StudyRecord;

// The conditions rule rows name: when a requirement holds, when an element
// may be given, and which forms a value may have.
class RuleConditions {
public:
    // Requirements.
    static RuleCondition stopped(const StudyRecord& record);
    static RuleCondition startDateGiven(const StudyRecord& record);
    static RuleCondition primaryCompletionGiven(const StudyRecord& record);
    static RuleCondition completionGiven(const StudyRecord& record);
    static RuleCondition enrollmentGiven(const StudyRecord& record);
    static RuleCondition responsiblePartyGiven(const StudyRecord& record);
    static RuleCondition responsiblePartyMissing(const StudyRecord& record);
    static RuleCondition investigatorParty(const StudyRecord& record);
    static RuleCondition principalInvestigator(const StudyRecord& record);
    static RuleCondition fdaProduct(const StudyRecord& record);
    static RuleCondition fdaDevice(const StudyRecord& record);
    static RuleCondition exportNeedsAnswer(const StudyRecord& record);
    static RuleCondition indStudy(const StudyRecord& record);
    static RuleCondition indDrug(const StudyRecord& record);
    static RuleCondition boardSubmitted(const StudyRecord& record);
    static RuleCondition boardApproved(const StudyRecord& record);
    static RuleCondition samplesRetained(const StudyRecord& record);
    static RuleCondition patientRegistry(const StudyRecord& record);
    static RuleCondition genderBased(const StudyRecord& record);
    static RuleCondition centralContactGiven(const StudyRecord& record);
    static RuleCondition backupContactGiven(const StudyRecord& record);

    // What may be given (a missing answer allows everything).
    static RuleCondition investigatorAllowed(const StudyRecord& record);
    static RuleCondition deviceAllowed(const StudyRecord& record);
    static RuleCondition unapprovedDeviceAllowed(const StudyRecord& record);
    static RuleCondition indAllowed(const StudyRecord& record);
    static RuleCondition expandedAccessAllowed(const StudyRecord& record);
    static RuleCondition descriptionOfSamplesAllowed(const StudyRecord& record);
    static RuleCondition sharingAnswered(const StudyRecord& record);
    static RuleCondition sharingAllowed(const StudyRecord& record);
    static RuleCondition interventionalAllowed(const StudyRecord& record);
    static RuleCondition observationalAllowed(const StudyRecord& record);

    // Forms.
    static bool isDate(std::string_view text);
    static bool isMonth(std::string_view text);
    static bool isWholeNumber(std::string_view text);
    static bool isPositiveWholeNumber(std::string_view text);
    // A whole number, a space and a unit (Years ... Minutes), or N/A.
    static bool isAge(std::string_view text);
    static bool isWebAddress(std::string_view text);
    static bool isNctNumber(std::string_view text);

    // The value of an age in minutes; nothing for N/A or another form.
    static std::optional<double> ageInMinutes(std::string_view text);
};
