#include "model/StudyTypeFit.h"

#include "model/ElementWriter.h"
#include "model/RecordClearer.h"
#include "model/StudyRecord.h"

#include <algorithm>

namespace {

constexpr std::string_view kInterventional = "Interventional";
constexpr std::string_view kObservational = "Observational";
constexpr std::string_view kExpandedAccess = "Expanded Access";

struct Part {
    const char* name;
    // Whether the part belongs to records of this type.
    bool (*belongs)(std::string_view studyType);
    bool (*holds)(const StudyRecord& record);
    void (*remove)(StudyRecord& record);
};

bool onlyInterventional(std::string_view type) { return type == kInterventional; }
bool onlyObservational(std::string_view type) { return type == kObservational; }
bool onlyExpandedAccess(std::string_view type) { return type == kExpandedAccess; }
bool notExpandedAccess(std::string_view type) { return type != kExpandedAccess; }

template <class... Fields> bool anyText(const Fields&... fields) {
    return (!fields.empty() || ...);
}

bool holdsStatus(const StudyRecord& r) {
    return anyText(r.overall_status.xmlText(), r.why_stopped.xmlText());
}

void removeStatus(StudyRecord& r) {
    r.overall_status = FieldValue();
    r.why_stopped = FieldValue();
}

bool holdsDates(const StudyRecord& r) {
    return anyText(r.start_date.xmlText(), r.start_date_type.xmlText(), r.end_date,
                   r.primary_compl_date.xmlText(), r.primary_compl_date_type.xmlText(),
                   r.last_follow_up_date.xmlText(), r.last_follow_up_date_type.xmlText());
}

void removeDates(StudyRecord& r) {
    for (FieldValue* field : {&r.start_date, &r.start_date_type, &r.primary_compl_date,
                              &r.primary_compl_date_type, &r.last_follow_up_date,
                              &r.last_follow_up_date_type})
        *field = FieldValue();
    r.end_date.clear();
}

bool holdsArmTypes(const StudyRecord& r) {
    return std::any_of(r.arm_group.begin(), r.arm_group.end(),
                       [](const auto& arm) { return !arm->arm_type.empty(); });
}

bool holdsAccessTypes(const StudyRecord& r) {
    const StudyDesign& d = r.study_design;
    return anyText(d.no_exp_acc_type, d.exp_acc_type_individual, d.exp_acc_type_intermediate,
                   d.exp_acc_type_treatment);
}

// In the order of the editor's pages.
const Part kParts[] = {
    {"overall status", notExpandedAccess, holdsStatus, removeStatus},
    {"expanded access status", onlyExpandedAccess,
     [](const StudyRecord& r) { return !r.expanded_access_status.xmlText().empty(); },
     [](StudyRecord& r) { r.expanded_access_status = FieldValue(); }},
    {"dates", notExpandedAccess, holdsDates, removeDates},
    {"expanded access types", onlyExpandedAccess, holdsAccessTypes,
     [](StudyRecord& r) {
         StudyDesign& d = r.study_design;
         for (std::string* field : {&d.no_exp_acc_type, &d.exp_acc_type_individual,
                                    &d.exp_acc_type_intermediate, &d.exp_acc_type_treatment})
             field->clear();
     }},
    {"Interventional Design", onlyInterventional,
     [](const StudyRecord& r) { return ElementWriter::holdsValue(r.study_design.interventional_design); },
     [](StudyRecord& r) { RecordClearer::clear(r.study_design.interventional_design); }},
    {"Observational Design", onlyObservational,
     [](const StudyRecord& r) { return ElementWriter::holdsValue(r.study_design.observational_design); },
     [](StudyRecord& r) { RecordClearer::clear(r.study_design.observational_design); }},
    {"enrollment", notExpandedAccess,
     [](const StudyRecord& r) { return anyText(r.enrollment.xmlText(), r.enrollment_type.xmlText()); },
     [](StudyRecord& r) {
         r.enrollment = FieldValue();
         r.enrollment_type = FieldValue();
     }},
    {"outcome measures", notExpandedAccess,
     [](const StudyRecord& r) {
         return !r.primary_outcome.empty() || !r.secondary_outcome.empty() ||
                !r.other_outcome.empty();
     },
     [](StudyRecord& r) {
         r.primary_outcome.clear();
         r.secondary_outcome.clear();
         r.other_outcome.clear();
     }},
    {"arms", notExpandedAccess, [](const StudyRecord& r) { return !r.arm_group.empty(); },
     [](StudyRecord& r) { r.arm_group.clear(); }},
    {"arm types", onlyInterventional, holdsArmTypes,
     [](StudyRecord& r) {
         for (auto& arm : r.arm_group)
             arm->arm_type.clear();
     }},
    {"Accepts Healthy Volunteers", notExpandedAccess,
     [](const StudyRecord& r) { return !r.eligibility.healthy_volunteers.empty(); },
     [](StudyRecord& r) { r.eligibility.healthy_volunteers.clear(); }},
    {"study population", onlyObservational,
     [](const StudyRecord& r) { return !r.eligibility.study_population.text().empty(); },
     [](StudyRecord& r) { r.eligibility.study_population = BlockText(); }},
    {"sampling method", onlyObservational,
     [](const StudyRecord& r) { return !r.eligibility.sampling_method.empty(); },
     [](StudyRecord& r) { r.eligibility.sampling_method.clear(); }},
};

} // namespace

std::vector<std::string> StudyTypeFit::misfits(const StudyRecord& record,
                                               std::string_view studyType) {
    std::vector<std::string> names;
    for (const Part& part : kParts) {
        if (!part.belongs(studyType) && part.holds(record))
            names.emplace_back(part.name);
    }
    return names;
}

void StudyTypeFit::removeMisfits(StudyRecord& record, std::string_view studyType) {
    for (const Part& part : kParts) {
        if (!part.belongs(studyType))
            part.remove(record);
    }
}
