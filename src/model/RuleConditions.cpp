#include "model/RuleConditions.h"

#include "model/CalendarDate.h"
#include "model/ElementWriter.h"
#include "model/RegistryText.h"
#include "model/StudyRecord.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace {

using Text = RegistryText;

RuleCondition holdsIf(bool condition, std::string_view value = {}) {
    return {condition, value};
}

constexpr auto blank = &Text::isBlank;

// A question not answered yet, or answered "None" as the registry writes it.
bool unanswered(std::string_view answer) {
    return blank(answer) || Text::trimmed(answer) == "None";
}

bool hasUnitedStatesSite(const StudyRecord& record) {
    return std::any_of(record.location.begin(), record.location.end(), [](const auto& location) {
        return Text::isUnitedStates(location->facility.address.country);
    });
}

constexpr std::string_view kPrincipalInvestigator = "Principal Investigator";
constexpr std::string_view kSponsorInvestigator = "Sponsor-Investigator";

struct AgeUnit {
    std::string_view name;
    double minutes;
};

constexpr AgeUnit kAgeUnits[] = {{"Years", 525960}, {"Months", 43830}, {"Weeks", 10080},
                                 {"Days", 1440},    {"Hours", 60},     {"Minutes", 1}};

double numberOf(std::string_view digits) {
    double value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

RuleCondition RuleConditions::stopped(const StudyRecord& r) {
    const std::string& status = r.overall_status.xmlText();
    return holdsIf(Text::isAnyOf(status, {"Suspended", "Terminated", "Withdrawn"}), status);
}

RuleCondition RuleConditions::startDateGiven(const StudyRecord& r) {
    return holdsIf(!blank(r.start_date.xmlText()));
}

RuleCondition RuleConditions::primaryCompletionGiven(const StudyRecord& r) {
    return holdsIf(!blank(r.primary_compl_date.xmlText()));
}

RuleCondition RuleConditions::completionGiven(const StudyRecord& r) {
    return holdsIf(!blank(r.last_follow_up_date.xmlText()));
}

RuleCondition RuleConditions::enrollmentGiven(const StudyRecord& r) {
    return holdsIf(!blank(r.enrollment.xmlText()));
}

RuleCondition RuleConditions::responsiblePartyGiven(const StudyRecord& r) {
    return holdsIf(ElementWriter::holdsValue(r.sponsors.resp_party));
}

RuleCondition RuleConditions::responsiblePartyMissing(const StudyRecord& r) {
    return holdsIf(!responsiblePartyGiven(r).holds);
}

RuleCondition RuleConditions::investigatorParty(const StudyRecord& r) {
    const std::string& type = r.sponsors.resp_party.resp_party_type;
    return holdsIf(type == kPrincipalInvestigator || type == kSponsorInvestigator, type);
}

RuleCondition RuleConditions::principalInvestigator(const StudyRecord& r) {
    const std::string& type = r.sponsors.resp_party.resp_party_type;
    return holdsIf(type == kPrincipalInvestigator, type);
}

RuleCondition RuleConditions::fdaProduct(const StudyRecord& r) {
    return holdsIf(Text::isYes(r.oversight_info.fda_regulated_drug) ||
                   Text::isYes(r.oversight_info.fda_regulated_device));
}

RuleCondition RuleConditions::fdaDevice(const StudyRecord& r) {
    return holdsIf(Text::isYes(r.oversight_info.fda_regulated_device));
}

RuleCondition RuleConditions::exportNeedsAnswer(const StudyRecord& r) {
    return holdsIf(fdaProduct(r).holds && Text::isNo(r.is_ind_study.xmlText()) &&
                   !hasUnitedStatesSite(r));
}

RuleCondition RuleConditions::indStudy(const StudyRecord& r) {
    return holdsIf(Text::isYes(r.is_ind_study.xmlText()));
}

RuleCondition RuleConditions::indDrug(const StudyRecord& r) {
    return holdsIf(indStudy(r).holds && Text::isYes(r.oversight_info.fda_regulated_drug));
}

RuleCondition RuleConditions::boardSubmitted(const StudyRecord& r) {
    const std::string& status = r.oversight_info.irb_info.approval_status;
    return holdsIf(Text::isAnyOf(status, {"Approved", "Pending", "Exempt", "Denied"}), status);
}

RuleCondition RuleConditions::boardApproved(const StudyRecord& r) {
    const std::string& status = r.oversight_info.irb_info.approval_status;
    return holdsIf(status == "Approved", status);
}

RuleCondition RuleConditions::samplesRetained(const StudyRecord& r) {
    const std::string& retention = r.study_design.observational_design.biospecimen_retention;
    return holdsIf(!blank(retention) && retention != "None Retained", retention);
}

RuleCondition RuleConditions::patientRegistry(const StudyRecord& r) {
    return holdsIf(Text::isYes(r.study_design.observational_design.patient_registry));
}

RuleCondition RuleConditions::genderBased(const StudyRecord& r) {
    return holdsIf(Text::isYes(r.eligibility.gender_based));
}

RuleCondition RuleConditions::centralContactGiven(const StudyRecord& r) {
    return holdsIf(ElementWriter::holdsValue(r.overall_contact));
}

RuleCondition RuleConditions::backupContactGiven(const StudyRecord& r) {
    return holdsIf(ElementWriter::holdsValue(r.overall_contact_backup));
}

RuleCondition RuleConditions::investigatorAllowed(const StudyRecord& r) {
    return holdsIf(blank(r.sponsors.resp_party.resp_party_type) || investigatorParty(r).holds);
}

RuleCondition RuleConditions::deviceAllowed(const StudyRecord& r) {
    return holdsIf(unanswered(r.oversight_info.fda_regulated_device) || fdaDevice(r).holds);
}

RuleCondition RuleConditions::unapprovedDeviceAllowed(const StudyRecord& r) {
    const std::string& unapproved = r.delayed_posting.xmlText();
    return holdsIf(unanswered(unapproved) || Text::isYes(unapproved));
}

RuleCondition RuleConditions::indAllowed(const StudyRecord& r) {
    return holdsIf(unanswered(r.is_ind_study.xmlText()) || indStudy(r).holds);
}

RuleCondition RuleConditions::expandedAccessAllowed(const StudyRecord& r) {
    const std::string& available = r.ind_info.has_expanded_access;
    return holdsIf(blank(available) || Text::isYes(available));
}

RuleCondition RuleConditions::descriptionOfSamplesAllowed(const StudyRecord& r) {
    return holdsIf(r.study_design.observational_design.biospecimen_retention != "None Retained");
}

RuleCondition RuleConditions::sharingAnswered(const StudyRecord& r) {
    return holdsIf(!blank(r.ipd_sharing_statement.sharing_ipd));
}

RuleCondition RuleConditions::sharingAllowed(const StudyRecord& r) {
    const std::string& sharing = r.ipd_sharing_statement.sharing_ipd;
    return holdsIf(blank(sharing) || Text::isYes(sharing));
}

RuleCondition RuleConditions::interventionalAllowed(const StudyRecord& r) {
    const std::string& type = r.study_design.study_type.xmlText();
    return holdsIf(Text::isAnyOf(type, {"", "Interventional"}));
}

RuleCondition RuleConditions::observationalAllowed(const StudyRecord& r) {
    const std::string& type = r.study_design.study_type.xmlText();
    return holdsIf(Text::isAnyOf(type, {"", "Observational"}));
}

bool RuleConditions::isDate(std::string_view text) {
    return CalendarDate::parse(text).has_value();
}

bool RuleConditions::isMonth(std::string_view text) {
    return CalendarDate::parseMonth(text).has_value();
}

bool RuleConditions::isWholeNumber(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool RuleConditions::isPositiveWholeNumber(std::string_view text) {
    return isWholeNumber(text) && text.find_first_not_of('0') != std::string_view::npos;
}

bool RuleConditions::isAge(std::string_view text) {
    return Text::trimmed(text) == "N/A" || ageInMinutes(text).has_value();
}

std::optional<double> RuleConditions::ageInMinutes(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos || !isWholeNumber(text.substr(0, space)))
        return std::nullopt;
    const std::string_view unit = text.substr(space + 1);
    for (const AgeUnit& known : kAgeUnits) {
        if (unit == known.name)
            return numberOf(text.substr(0, space)) * known.minutes;
    }
    return std::nullopt;
}

bool RuleConditions::isWebAddress(std::string_view text) {
    for (std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
        if (text.size() > scheme.size() &&
            Text::equalsIgnoringCase(text.substr(0, scheme.size()), scheme))
            return text.find_first_of(" \t\r\n") == std::string_view::npos;
    }
    return false;
}

bool RuleConditions::isNctNumber(std::string_view text) {
    return text.size() == 11 && text.starts_with("NCT") && isWholeNumber(text.substr(3));
}
