#include "editor/EligibilityPage.h"
#include "editor/ExpandedAccessPage.h"
#include "editor/FdaPage.h"
#include "editor/FindingPlace.h"
#include "editor/InterventionalDesignPage.h"
#include "editor/ObservationalDesignPage.h"
#include "editor/OversightPage.h"
#include "editor/ProtocolEditor.h"
#include "editor/SponsorPage.h"
#include "editor/StatusPage.h"
#include "editor/SummaryPage.h"
#include "editor/TitlePage.h"
#include "editor/lists/ArmsInterventionsPage.h"
#include "editor/lists/ConditionsPage.h"
#include "editor/lists/ContactsPage.h"
#include "editor/lists/LocationsPage.h"
#include "editor/lists/OutcomesPage.h"
#include "editor/lists/ReferencesPage.h"
#include "model/RuleFinding.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace {

// One element path (from clinical_study) and the control that edits it. A path
// covers the elements below it unless a longer one names them.
struct PlaceRow {
    std::string_view path;
    const char* section;
    int control;
    const char* entry = nullptr;
};

const std::vector<PlaceRow>& placeRows() {
    using Title = TitlePage;
    using Int = InterventionalDesignPage;
    using Obs = ObservationalDesignPage;
    using Elig = EligibilityPage;
    using Contacts = ContactsPage;
    static const std::vector<PlaceRow> rows = {
        {"id_info/org_study_id", "Title", Title::IDC_UNIQUE_ID},
        {"id_info/secondary_id", "Title", Title::IDC_SECONDARY_IDS, "Secondary ID"},
        {"brief_title", "Title", Title::IDC_BRIEF_TITLE},
        {"acronym", "Title", Title::IDC_ACRONYM},
        {"official_title", "Title", Title::IDC_OFFICIAL_TITLE},
        {"study_design", "Title", Title::IDC_STUDY_TYPE},
        {"is_fda_regulated", "FDA", FdaPage::IDC_FDA_REGULATED},
        {"is_ind_study", "Title", Title::IDC_IND_PROTOCOL},
        {"is_section_801", "FDA", FdaPage::IDC_SECTION_801},
        {"delayed_posting", "FDA", FdaPage::IDC_DELAYED_POSTING},
        {"oversight_info/fda_regulated_drug", "FDA", FdaPage::IDC_FDA_DRUG},
        {"oversight_info/fda_regulated_device", "FDA", FdaPage::IDC_FDA_DEVICE},
        {"oversight_info/post_prior_to_approval", "FDA", FdaPage::IDC_POST_PRIOR},
        {"oversight_info/exported_from_us", "FDA", FdaPage::IDC_EXPORTED},
        {"oversight_info/ped_postmarket_surv", "FDA", FdaPage::IDC_PED_POSTMARKET},
        {"ind_info", "FDA", FdaPage::IDC_IND_GRANTOR},
        {"ind_info/ind_number", "FDA", FdaPage::IDC_IND_NUMBER},
        {"ind_info/ind_serial_number", "FDA", FdaPage::IDC_IND_SERIAL_NUMBER},
        {"ind_info/has_expanded_access", "FDA", FdaPage::IDC_HAS_EXPANDED_ACCESS},
        {"ind_info/expanded_access_nct_id", "FDA", FdaPage::IDC_EXPANDED_ACCESS_RECORD},
        {"sponsors", "Sponsor", SponsorPage::IDC_SPONSOR},
        {"sponsors/collaborator", "Sponsor", SponsorPage::IDC_COLLABORATORS},
        {"sponsors/resp_party", "Sponsor", SponsorPage::IDC_RESP_PARTY_TYPE},
        {"sponsors/resp_party/investigator_username", "Sponsor",
         SponsorPage::IDC_INVESTIGATOR_USERNAME},
        {"sponsors/resp_party/investigator_title", "Sponsor", SponsorPage::IDC_INVESTIGATOR_TITLE},
        {"sponsors/resp_party/investigator_affiliation", "Sponsor",
         SponsorPage::IDC_INVESTIGATOR_AFFILIATION},
        {"oversight_info/has_dmc", "Oversight", OversightPage::IDC_HAS_DMC},
        {"oversight_info/regulatory_authority", "Oversight", OversightPage::IDC_AUTHORITIES},
        {"oversight_info/irb_info", "Oversight", OversightPage::IDC_APPROVAL_STATUS},
        {"oversight_info/irb_info/approval_number", "Oversight", OversightPage::IDC_APPROVAL_NUMBER},
        {"oversight_info/irb_info/name", "Oversight", OversightPage::IDC_BOARD_NAME},
        {"oversight_info/irb_info/affiliation", "Oversight", OversightPage::IDC_AFFILIATION},
        {"oversight_info/irb_info/phone", "Oversight", OversightPage::IDC_PHONE},
        {"oversight_info/irb_info/email", "Oversight", OversightPage::IDC_EMAIL},
        {"oversight_info/irb_info/full_address", "Oversight", OversightPage::IDC_ADDRESS},
        {"brief_summary", "Summary", SummaryPage::IDC_BRIEF_SUMMARY},
        {"detailed_description", "Summary", SummaryPage::IDC_DETAILED_DESCRIPTION},
        {"verification_date", "Status", StatusPage::IDC_VERIFICATION_MONTH},
        {"overall_status", "Status", StatusPage::IDC_RECRUITMENT_STATUS},
        {"expanded_access_status", "Status", StatusPage::IDC_EXPANDED_ACCESS_STATUS},
        {"why_stopped", "Status", StatusPage::IDC_WHY_STOPPED},
        {"start_date", "Status", StatusPage::IDC_START_MONTH},
        {"start_date_type", "Status", StatusPage::IDC_START_TYPE},
        {"primary_compl_date", "Status", StatusPage::IDC_PRIMARY_COMPLETION_MONTH},
        {"primary_compl_date_type", "Status", StatusPage::IDC_PRIMARY_COMPLETION_TYPE},
        {"last_follow_up_date", "Status", StatusPage::IDC_COMPLETION_MONTH},
        {"last_follow_up_date_type", "Status", StatusPage::IDC_COMPLETION_TYPE},
        {"study_design/interventional_design", "Interventional Design", Int::IDC_PRIMARY_PURPOSE},
        {"study_design/interventional_design/phase", "Interventional Design", Int::IDC_PHASE},
        {"study_design/interventional_design/assignment", "Interventional Design",
         Int::IDC_ASSIGNMENT},
        {"study_design/interventional_design/number_of_arms", "Interventional Design",
         Int::IDC_NUMBER_OF_ARMS},
        {"study_design/interventional_design/model_description", "Interventional Design",
         Int::IDC_MODEL_DESCRIPTION},
        {"study_design/interventional_design/no_masking", "Interventional Design",
         Int::IDC_NO_MASKING},
        {"study_design/interventional_design/masking_description", "Interventional Design",
         Int::IDC_MASKING_DESCRIPTION},
        {"study_design/interventional_design/masked_subject", "Interventional Design",
         Int::IDC_MASKED_SUBJECT},
        {"study_design/interventional_design/masked_caregiver", "Interventional Design",
         Int::IDC_MASKED_CAREGIVER},
        {"study_design/interventional_design/masked_investigator", "Interventional Design",
         Int::IDC_MASKED_INVESTIGATOR},
        {"study_design/interventional_design/masked_assessor", "Interventional Design",
         Int::IDC_MASKED_ASSESSOR},
        {"study_design/interventional_design/allocation", "Interventional Design",
         Int::IDC_ALLOCATION},
        {"study_design/observational_design", "Observational Design", Obs::IDC_STUDY_MODEL},
        {"study_design/observational_design/timing", "Observational Design", Obs::IDC_TIMING},
        {"study_design/observational_design/biospecimen_retention", "Observational Design",
         Obs::IDC_BIOSPECIMEN_RETENTION},
        {"study_design/observational_design/biospecimen_description", "Observational Design",
         Obs::IDC_BIOSPECIMEN_DESCRIPTION},
        {"study_design/observational_design/number_of_groups", "Observational Design",
         Obs::IDC_NUMBER_OF_GROUPS},
        {"study_design/observational_design/patient_registry", "Observational Design",
         Obs::IDC_PATIENT_REGISTRY},
        {"study_design/observational_design/target_duration_quantity", "Observational Design",
         Obs::IDC_TARGET_DURATION},
        {"study_design/observational_design/target_duration_units", "Observational Design",
         Obs::IDC_TARGET_DURATION_UNITS},
        {"study_design/no_exp_acc_type", "Expanded Access", ExpandedAccessPage::IDC_NO_TYPE},
        {"study_design/exp_acc_type_individual", "Expanded Access",
         ExpandedAccessPage::IDC_INDIVIDUAL},
        {"study_design/exp_acc_type_intermediate", "Expanded Access",
         ExpandedAccessPage::IDC_INTERMEDIATE},
        {"study_design/exp_acc_type_treatment", "Expanded Access",
         ExpandedAccessPage::IDC_TREATMENT},
        // Both designs edit the enrollment; the one the study type offers applies.
        {"enrollment", "Interventional Design", Int::IDC_ENROLLMENT},
        {"enrollment", "Observational Design", Obs::IDC_ENROLLMENT},
        {"enrollment_type", "Interventional Design", Int::IDC_ENROLLMENT_TYPE},
        {"enrollment_type", "Observational Design", Obs::IDC_ENROLLMENT_TYPE},
        {"primary_outcome", "Outcome Measures", OutcomesPage::IDC_PRIMARY_LIST, "Primary outcome"},
        {"secondary_outcome", "Outcome Measures", OutcomesPage::IDC_SECONDARY_LIST,
         "Secondary outcome"},
        {"other_outcome", "Outcome Measures", 0, "Other outcome"},
        {"condition", "Conditions", ConditionsPage::IDC_CONDITIONS, "Condition"},
        {"keyword", "Conditions", ConditionsPage::IDC_KEYWORDS, "Keyword"},
        {"intervention", "Interventions", ArmsInterventionsPage::IDC_INTERVENTIONS, "Intervention"},
        // Arms for interventional studies, groups for the others: the one shown applies.
        {"arm_group", "Interventions", ArmsInterventionsPage::IDC_ARMS, "Arm"},
        {"arm_group", "Interventions", ArmsInterventionsPage::IDC_GROUPS, "Group"},
        {"eligibility", "Eligibility", Elig::IDC_CRITERIA},
        {"eligibility/gender", "Eligibility", Elig::IDC_GENDER},
        {"eligibility/gender_based", "Eligibility", Elig::IDC_GENDER_BASED},
        {"eligibility/gender_description", "Eligibility", Elig::IDC_GENDER_DESCRIPTION},
        {"eligibility/minimum_age", "Eligibility", Elig::IDC_MINIMUM_AGE},
        {"eligibility/maximum_age", "Eligibility", Elig::IDC_MAXIMUM_AGE},
        {"eligibility/healthy_volunteers", "Eligibility", Elig::IDC_HEALTHY_VOLUNTEERS},
        {"eligibility/sampling_method", "Eligibility", Elig::IDC_SAMPLING_METHOD},
        {"eligibility/study_population", "Eligibility", Elig::IDC_STUDY_POPULATION},
        {"overall_contact", "Contacts", int{Contacts::IDC_CONTACT_FIRST} + Contacts::LastName},
        {"overall_contact/phone", "Contacts", int{Contacts::IDC_CONTACT_FIRST} + Contacts::Phone},
        {"overall_contact/email", "Contacts", int{Contacts::IDC_CONTACT_FIRST} + Contacts::Email},
        {"overall_contact_backup", "Contacts", int{Contacts::IDC_BACKUP_FIRST} + Contacts::LastName},
        {"overall_contact_backup/phone", "Contacts", int{Contacts::IDC_BACKUP_FIRST} + Contacts::Phone},
        {"overall_contact_backup/email", "Contacts", int{Contacts::IDC_BACKUP_FIRST} + Contacts::Email},
        {"overall_official", "Contacts", Contacts::IDC_OFFICIALS, "Official"},
        {"location", "Locations", LocationsPage::IDC_LOCATIONS, "Location"},
        {"reference", "References", ReferencesPage::IDC_CITATIONS, "Citation"},
        {"link", "References", ReferencesPage::IDC_LINKS, "Link"},
    };
    return rows;
}

// Where a finding goes when no path above names its element.
struct ModuleRow {
    std::string_view module;
    const char* section;
};

constexpr ModuleRow kModuleRows[] = {
    {"identification", "Title"}, {"status", "Status"},
    {"sponsor", "Sponsor"},      {"oversight", "Oversight"},
    {"description", "Summary"},  {"conditions", "Conditions"},
    {"design", "Title"},         {"arms", "Interventions"},
    {"outcomes", "Outcome Measures"}, {"eligibility", "Eligibility"},
    {"contacts", "Contacts"},    {"references", "References"},
};

// Whether `prefix` is `path` or one of the elements that contain it.
bool covers(std::string_view prefix, std::string_view path) {
    return path.starts_with(prefix) && (path.size() == prefix.size() || path[prefix.size()] == '/');
}

FindingPlace placeOf(const PlaceRow& row) {
    return {ProtocolEditor::sectionIndex(QString::fromLatin1(row.section)), row.control, row.entry};
}

} // namespace

std::vector<FindingPlace> FindingPlace::candidates(const RuleFinding& finding) {
    std::size_t longest = 0;
    for (const PlaceRow& row : placeRows()) {
        if (covers(row.path, finding.path)) {
            longest = std::max(longest, row.path.size());
        }
    }
    std::vector<FindingPlace> places;
    for (const PlaceRow& row : placeRows()) {
        if (longest > 0 && row.path.size() == longest && covers(row.path, finding.path)) {
            places.push_back(placeOf(row));
        }
    }
    if (places.empty()) {
        for (const ModuleRow& row : kModuleRows) {
            if (row.module == finding.section) {
                places.push_back({ProtocolEditor::sectionIndex(QString::fromLatin1(row.section))});
            }
        }
    }
    return places;
}

QString FindingPlace::describe(const RuleFinding& finding, const FindingPlace& place) {
    const QString message = TextCodec::decode(finding.message);
    if (finding.item == 0 || place.entry == nullptr) {
        return message;
    }
    return QStringLiteral("%1 %2: %3")
        .arg(QString::fromLatin1(place.entry))
        .arg(finding.item)
        .arg(message);
}
