#include "model/RecordChecks.h"

#include "model/ElementWriter.h"
#include "model/RegistryText.h"
#include "model/RuleChecks.h"
#include "model/RuleConditions.h"
#include "model/StudyCollection.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace {

using Text = RegistryText;
constexpr auto message = &RuleChecks::message;

constexpr auto blank = &Text::isBlank;

// What the secondary ID's description names for the types that need one.
struct DomainUse {
    std::string_view type;
    std::string_view names;
};

constexpr DomainUse kDomainNeeded[] = {{"Other Grant/Funding Number", "the grantor"},
                                       {"Registry Identifier", "the registry's name"},
                                       {"Other Identifier", "a description of the identifier"}};
constexpr std::string_view kDomainUnused[] = {"NIH Grant Number", "EU Trial (CTIS) Number",
                                              "EudraCT Number"};

struct MaskedRole {
    std::string_view label;
    std::string InterventionalDesign::*answer;
};

constexpr std::array<MaskedRole, 4> kMaskedRoles = {{
    {"Participant", &InterventionalDesign::masked_subject},
    {"Care Provider", &InterventionalDesign::masked_caregiver},
    {"Investigator", &InterventionalDesign::masked_investigator},
    {"Outcomes Assessor", &InterventionalDesign::masked_assessor},
}};

// The first masked role, or nothing.
std::string_view maskedRole(const InterventionalDesign& design) {
    for (const MaskedRole& role : kMaskedRoles) {
        if (Text::isYes(design.*role.answer))
            return role.label;
    }
    return {};
}

struct AccessType {
    std::string_view label;
    std::string StudyDesign::*answer;
};

constexpr std::array<AccessType, 3> kAccessTypes = {{
    {"Individual Patients", &StudyDesign::exp_acc_type_individual},
    {"Intermediate-size Population", &StudyDesign::exp_acc_type_intermediate},
    {"Treatment IND/Protocol", &StudyDesign::exp_acc_type_treatment},
}};

std::string_view chosenAccessType(const StudyDesign& design) {
    for (const AccessType& type : kAccessTypes) {
        if (Text::isYes(design.*type.answer))
            return type.label;
    }
    return {};
}

// Walks a record's elements and names each whose delete flag is set.
class DeleteFlagFinder {
public:
    explicit DeleteFlagFinder(std::vector<std::string_view>& names) : m_names(names) {}

    void text(std::string_view, const std::string&) {}
    void optionalText(std::string_view, const std::string&) {}
    void blockText(std::string_view, const BlockText&) {}
    void optionalBlockText(std::string_view, const BlockText&) {}
    void textList(std::string_view, const std::vector<std::string>&) {}
    void attribute(std::string_view, const std::string&) {}
    void results(const ResultsElement&) {}
    void field(std::string_view name, const FieldValue& value) { note(name, value.deleteFlag()); }
    void optionalField(std::string_view name, const FieldValue& value) { field(name, value); }
    void textBlock(std::string_view name, const TextBlock& block) {
        note(name, block.deleteFlag());
    }
    void fieldList(std::string_view name, const std::vector<FieldValue>& list) {
        for (const FieldValue& value : list)
            field(name, value);
    }
    template <class Record> void record(std::string_view name, const Record& record) {
        if constexpr (requires { record.deleteFlag; })
            note(name, record.deleteFlag);
        Record::fields(record, *this);
    }
    template <class Record> void optionalRecord(std::string_view name, const Record& value) {
        record(name, value);
    }
    template <class Record> void list(std::string_view name, const OwningList<Record>& list) {
        for (const auto& entry : list)
            record(name, *entry);
    }

private:
    void note(std::string_view name, bool flag) {
        if (flag)
            m_names.push_back(name);
    }

    std::vector<std::string_view>& m_names;
};

} // namespace

void RecordChecks::secondaryDomainGiven(const RegistryRule& rule, RuleRun& run) {
    std::size_t item = 0;
    for (const auto& id : run.record().id_info.secondary_id) {
        ++item;
        const auto need =
            std::find_if(std::begin(kDomainNeeded), std::end(kDomainNeeded),
                         [&](const DomainUse& use) { return use.type == id->id_type; });
        if (need != std::end(kDomainNeeded) && blank(id->id_domain))
            run.report(rule, item,
                       message({rule.label, " is required when the Secondary ID Type is ",
                                need->type, " (", need->names, ")."}));
    }
}

void RecordChecks::secondaryDomainUnused(const RegistryRule& rule, RuleRun& run) {
    std::size_t item = 0;
    for (const auto& id : run.record().id_info.secondary_id) {
        ++item;
        if (!blank(id->id_domain) && std::find(std::begin(kDomainUnused), std::end(kDomainUnused),
                                               id->id_type) != std::end(kDomainUnused))
            run.report(rule, item,
                       message({rule.label, " is not used when the Secondary ID Type is ",
                                id->id_type, "."}));
    }
}

void RecordChecks::deleteOnlyInPartialUpload(const RegistryRule& rule, RuleRun& run) {
    if (run.isPartialUpload())
        return;
    std::vector<std::string_view> flagged;
    DeleteFlagFinder finder(flagged);
    StudyRecord::fields(run.record(), finder);
    for (std::string_view name : flagged)
        run.report(rule, 0,
                   message({"Element ", name,
                            " is marked delete=\"true\", which only a partial upload may do."}));
}

void RecordChecks::uniqueProtocolIds(const RegistryRule& rule, const StudyCollection& collection,
                                     std::vector<RuleFinding>& findings) {
    // Unique within an organization: the key is the organization and the ID.
    std::map<std::pair<std::string_view, std::string_view>, std::size_t> firstUse;
    for (std::size_t index = 0; index < collection.records.size(); ++index) {
        const IdInfo& ids = collection.records[index]->id_info;
        const std::string_view id = Text::trimmed(ids.org_study_id);
        if (id.empty())
            continue;
        const auto [first, isNew] = firstUse.try_emplace({Text::trimmed(ids.org_name), id}, index);
        if (isNew)
            continue;
        RuleFinding finding;
        finding.severity = rule.severity;
        finding.rule = rule.id;
        finding.section = rule.section;
        finding.path = rule.path;
        finding.record = index;
        finding.message =
            message({rule.label, " ", RuleChecks::quoted(id), " is already used by protocol ",
                     std::to_string(first->second + 1), " of this collection."});
        findings.push_back(std::move(finding));
    }
}

void RecordChecks::recruitingSites(const RegistryRule& rule, RuleRun& run) {
    const StudyRecord& r = run.record();
    const std::string& status = r.overall_status.xmlText();
    if (blank(status) || status == "Recruiting")
        return;
    const auto site = std::find_if(r.location.begin(), r.location.end(), [](const auto& location) {
        return location->status == "Recruiting";
    });
    if (site != r.location.end())
        run.report(
            rule, 0,
            message({rule.label, " must be Recruiting while a site is Recruiting (location ",
                     std::to_string(site - r.location.begin() + 1), "); it is ", status, "."}));
}

void RecordChecks::interventionalDesignFits(const RegistryRule& rule, RuleRun& run) {
    const StudyDesign& design = run.record().study_design;
    if (!RuleConditions::interventionalAllowed(run.record()).holds &&
        ElementWriter::holdsValue(design.interventional_design))
        run.report(rule, 0, message({rule.label, " is only given for Interventional studies."}));
}

void RecordChecks::observationalDesignFits(const RegistryRule& rule, RuleRun& run) {
    const StudyDesign& design = run.record().study_design;
    if (!RuleConditions::observationalAllowed(run.record()).holds &&
        ElementWriter::holdsValue(design.observational_design))
        run.report(rule, 0, message({rule.label, " is only given for Observational studies."}));
}

void RecordChecks::maskingGiven(const RegistryRule& rule, RuleRun& run) {
    const InterventionalDesign& design = run.record().study_design.interventional_design;
    if (blank(design.no_masking) && maskedRole(design).empty())
        run.report(rule, 0,
                   message({rule.label, " is required: say that no one is masked, or who is."}));
}

void RecordChecks::noMaskingMasksNobody(const RegistryRule& rule, RuleRun& run) {
    const InterventionalDesign& design = run.record().study_design.interventional_design;
    const std::string_view role = maskedRole(design);
    if (Text::isYes(design.no_masking) && !role.empty())
        run.report(rule, 0,
                   message({rule.label, " says no one is masked, yet ", role, " is masked."}));
}

void RecordChecks::maskingNamesRoles(const RegistryRule& rule, RuleRun& run) {
    const InterventionalDesign& design = run.record().study_design.interventional_design;
    if (Text::isNo(design.no_masking) && maskedRole(design).empty())
        run.report(rule, 0,
                   message({rule.label, " names no one: give at least one of Participant, Care "
                                        "Provider, Investigator, Outcomes Assessor."}));
}

void RecordChecks::accessTypeGiven(const RegistryRule& rule, RuleRun& run) {
    const StudyDesign& design = run.record().study_design;
    if (!Text::isYes(design.no_exp_acc_type) && chosenAccessType(design).empty())
        run.report(rule, 0, message({rule.label, " is required: select at least one."}));
}

void RecordChecks::noAccessTypeExcludesTypes(const RegistryRule& rule, RuleRun& run) {
    const StudyDesign& design = run.record().study_design;
    const std::string_view chosen = chosenAccessType(design);
    if (Text::isYes(design.no_exp_acc_type) && !chosen.empty())
        run.report(rule, 0, message({rule.label, " is yes, yet ", chosen, " is selected."}));
}

void RecordChecks::armCount(const RegistryRule& rule, RuleRun& run, const std::string& number) {
    const std::size_t listed = run.record().arm_group.size();
    if (listed == 0 || !RuleConditions::isWholeNumber(number))
        return;
    const std::string_view digits =
        std::string_view(number).substr(std::min(number.find_first_not_of('0'), number.size() - 1));
    if (digits != std::to_string(listed))
        run.report(rule, 0,
                   message({rule.label, " (", number, ") does not match the ",
                            std::to_string(listed), " arms or groups listed."}));
}

void RecordChecks::armLabelsUnique(const RegistryRule& rule, RuleRun& run) {
    const auto& arms = run.record().arm_group;
    for (std::size_t i = 1; i < arms.size(); ++i) {
        const std::string& label = arms[i]->arm_group_label;
        if (blank(label))
            continue;
        const auto end = arms.begin() + static_cast<std::ptrdiff_t>(i);
        if (std::any_of(arms.begin(), end,
                        [&](const auto& arm) { return arm->arm_group_label == label; }))
            run.report(rule, i + 1,
                       message({rule.label, " ", RuleChecks::quoted(label),
                                " is used by an earlier arm or group."}));
    }
}

void RecordChecks::interventionArmsGiven(const RegistryRule& rule, RuleRun& run) {
    const StudyRecord& r = run.record();
    if (r.arm_group.size() < 2)
        return;
    std::size_t item = 0;
    for (const auto& intervention : r.intervention) {
        ++item;
        const auto& labels = intervention->arm_group_label;
        if (std::all_of(labels.begin(), labels.end(),
                        [](const std::string& l) { return blank(l); }))
            run.report(
                rule, item,
                message({rule.label, " is required when there is more than one arm or group."}));
    }
}

void RecordChecks::interventionArmsKnown(const RegistryRule& rule, RuleRun& run) {
    const StudyRecord& r = run.record();
    // A partial upload without arms refers to the arms the registry holds.
    if (run.isPartialUpload() && r.arm_group.empty())
        return;
    std::size_t item = 0;
    for (const auto& intervention : r.intervention) {
        ++item;
        for (const std::string& label : intervention->arm_group_label) {
            const bool known =
                std::any_of(r.arm_group.begin(), r.arm_group.end(),
                            [&](const auto& arm) { return arm->arm_group_label == label; });
            if (!blank(label) && !known) {
                run.report(rule, item,
                           message({rule.label, " ", RuleChecks::quoted(label),
                                    " names no arm or group of this study."}));
                break;
            }
        }
    }
}

void RecordChecks::agesInOrder(const RegistryRule& rule, RuleRun& run) {
    const Eligibility& e = run.record().eligibility;
    const std::optional<double> minimum = RuleConditions::ageInMinutes(e.minimum_age);
    const std::optional<double> maximum = RuleConditions::ageInMinutes(e.maximum_age);
    if (minimum && maximum && *minimum > *maximum)
        run.report(rule, 0,
                   message({rule.label, " (", e.minimum_age, ") is above the Maximum Age (",
                            e.maximum_age, ")."}));
}

void RecordChecks::centralContactGiven(const RegistryRule& rule, RuleRun& run) {
    const StudyRecord& r = run.record();
    // Views on both sides: a string on one side would make the result a
    // temporary copy, and the view would dangle.
    const std::string_view status = r.overall_status.xmlText();
    const std::string_view access = r.expanded_access_status.xmlText();
    const std::string_view open = status == "Not yet recruiting" || status == "Recruiting" ? status
                                  : access == "Available"                                  ? access
                                                          : std::string_view();
    if (open.empty() || !blank(r.overall_contact.last_name))
        return;
    const bool everySite =
        !r.location.empty() && std::all_of(r.location.begin(), r.location.end(), [](const auto& l) {
            return ElementWriter::holdsValue(l->contact);
        });
    if (!everySite)
        run.report(rule, 0,
                   message({rule.label, " is required while the status is ", open,
                            ", unless every facility has a contact."}));
}

bool RecordChecks::isUnitedStatesWithout(const Address& address, const std::string& part) {
    return Text::isUnitedStates(address.country) && blank(part);
}

void RecordChecks::reportUnitedStates(const RegistryRule& rule, RuleRun& run, std::size_t item) {
    run.report(rule, item, message({rule.label, " is required for a site in the United States."}));
}

void RecordChecks::otherDocumentType(const RegistryRule& rule, RuleRun& run) {
    std::size_t item = 0;
    for (const auto& document : run.record().study_document) {
        ++item;
        if (document->study_document_type != "Other" && !blank(document->study_document_other_type))
            run.report(rule, item,
                       message({rule.label, " is only given when the document type is Other."}));
    }
}
