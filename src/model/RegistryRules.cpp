#include "model/RegistryRules.h"

#include "model/DateChecks.h"
#include "model/RecordChecks.h"
#include "model/RecordReach.h"
#include "model/RuleChecks.h"
#include "model/RuleConditions.h"
#include "model/RuleRun.h"
#include "model/StudyCollection.h"

#include <algorithm>

namespace {

using reach::In;
using R = RegistryRule;
using C = RuleConditions;
using S = StudyRecord;
using Id = IdInfo;
using Design = StudyDesign;
using Int = InterventionalDesign;
using Obs = ObservationalDesign;
using Ipd = IpdSharingStatement;

constexpr RuleSeverity E = RuleSeverity::Error;
// Rules the registry's definitions could not be re-read for are warnings.
constexpr RuleSeverity W = RuleSeverity::Warning;

constexpr unsigned Req = R::Requirement;
constexpr unsigned Final = R::FinalRule;

constexpr std::string_view kIdentification = "identification";
constexpr std::string_view kStatus = "status";
constexpr std::string_view kSponsor = "sponsor";
constexpr std::string_view kOversight = "oversight";
constexpr std::string_view kDescription = "description";
constexpr std::string_view kConditions = "conditions";
constexpr std::string_view kDesign = "design";
constexpr std::string_view kArms = "arms";
constexpr std::string_view kOutcomes = "outcomes";
constexpr std::string_view kEligibility = "eligibility";
constexpr std::string_view kContacts = "contacts";
constexpr std::string_view kIpd = "ipd";
constexpr std::string_view kReferences = "references";

// The texts a row reads: one element, or an element of each entry of a list.
template <auto... Members> constexpr R::Reach field = &reach::one<Members...>;
template <class List, class Item = In<>> constexpr R::Reach items = &reach::each<List, Item>;
template <auto... Reaches> constexpr R::Reach fields = &reach::all<Reaches...>;

template <auto... Members> using Irb = In<&S::oversight_info, &OversightInfo::irb_info, Members...>;
template <auto Member>
constexpr R::Reach intField = field<&S::study_design, &Design::interventional_design, Member>;
template <auto Member>
constexpr R::Reach obsField = field<&S::study_design, &Design::observational_design, Member>;
template <auto Member> constexpr R::Reach ipdField = field<&S::ipd_sharing_statement, Member>;
template <auto Member> constexpr R::Reach oversightField = field<&S::oversight_info, Member>;

// The columns every row has.
constexpr R row(std::string_view id, RuleSeverity severity, std::string_view section,
                std::string_view path, std::string_view label, R::Check check) {
    R rule;
    rule.id = id;
    rule.severity = severity;
    rule.section = section;
    rule.path = path;
    rule.label = label;
    rule.check = check;
    return rule;
}

constexpr R required(std::string_view id, RuleSeverity severity, std::string_view section,
                     std::string_view path, std::string_view label, unsigned types, unsigned flags,
                     R::Reach reach, R::When when = nullptr, std::string_view phrase = {}) {
    R rule = row(id, severity, section, path, label, &RuleChecks::required);
    rule.types = types;
    rule.flags = flags;
    rule.reach = reach;
    rule.when = when;
    rule.phrase = phrase;
    return rule;
}

constexpr R atLeastOne(std::string_view id, std::string_view section, std::string_view path,
                       std::string_view label, unsigned types, R::Reach reach) {
    R rule = row(id, W, section, path, label, &RuleChecks::atLeastOne);
    rule.types = types;
    rule.flags = Req;
    rule.reach = reach;
    return rule;
}

constexpr R limit(std::string_view id, RuleSeverity severity, std::string_view section,
                  std::string_view path, std::string_view label, R::Reach reach,
                  std::size_t characters) {
    R rule = row(id, severity, section, path, label, &RuleChecks::maxLength);
    rule.reach = reach;
    rule.limit = characters;
    return rule;
}

constexpr R values(std::string_view id, std::string_view section, std::string_view path,
                   std::string_view label, R::Reach reach, std::span<const std::string_view> list,
                   unsigned flags = R::NoFlags) {
    R rule = row(id, E, section, path, label, &RuleChecks::oneOf);
    rule.flags = flags;
    rule.reach = reach;
    rule.values = list;
    return rule;
}

constexpr R form(std::string_view id, RuleSeverity severity, std::string_view section,
                 std::string_view path, std::string_view label, R::Reach reach, R::Accepts accepts,
                 std::string_view phrase) {
    R rule = row(id, severity, section, path, label, &RuleChecks::form);
    rule.reach = reach;
    rule.accepts = accepts;
    rule.phrase = phrase;
    return rule;
}

constexpr R onlyWhen(std::string_view id, RuleSeverity severity, std::string_view section,
                     std::string_view path, std::string_view label, R::Reach reach, R::When when,
                     std::string_view phrase) {
    R rule = row(id, severity, section, path, label, &RuleChecks::onlyWhen);
    rule.reach = reach;
    rule.when = when;
    rule.phrase = phrase;
    return rule;
}

constexpr R notCollected(std::string_view id, std::string_view section, std::string_view path,
                         std::string_view label, R::Reach reach) {
    R rule = row(id, W, section, path, label, &RuleChecks::notCollected);
    rule.types = R::ExpandedAccess;
    rule.reach = reach;
    return rule;
}

constexpr R custom(std::string_view id, RuleSeverity severity, std::string_view section,
                   std::string_view path, std::string_view label, unsigned types, unsigned flags,
                   R::Check check, std::string_view phrase = {}) {
    R rule = row(id, severity, section, path, label, check);
    rule.types = types;
    rule.flags = flags;
    rule.phrase = phrase;
    return rule;
}

constexpr R acrossRecords(std::string_view id, RuleSeverity severity, std::string_view section,
                          std::string_view path, std::string_view label, R::CollectionCheck check) {
    R rule = row(id, severity, section, path, label, nullptr);
    rule.collectionCheck = check;
    return rule;
}

constexpr std::string_view kStudyTypes[] = {"Interventional", "Observational", "Expanded Access"};
constexpr std::string_view kOverallStatuses[] = {"Not yet recruiting",
                                                 "Recruiting",
                                                 "Enrolling by invitation",
                                                 "Active, not recruiting",
                                                 "Completed",
                                                 "Suspended",
                                                 "Terminated",
                                                 "Withdrawn"};
constexpr std::string_view kAccessStatuses[] = {
    "Available", "No longer available", "Temporarily not available", "Approved for marketing"};
constexpr std::string_view kDateTypes[] = {"Anticipated", "Actual"};
constexpr std::string_view kIdTypes[] = {"NIH Grant Number",    "Other Grant/Funding Number",
                                         "Registry Identifier", "EU Trial (CTIS) Number",
                                         "EudraCT Number",      "Other Identifier"};
constexpr std::string_view kPartyTypes[] = {"Sponsor", "Principal Investigator",
                                            "Sponsor-Investigator"};
constexpr std::string_view kBoardStatuses[] = {"Approved", "Pending",      "Exempt",
                                               "Denied",   "Not required", "Not yet submitted"};
constexpr std::string_view kGrantors[] = {"CDER", "CBER", "CDRH"};
constexpr std::string_view kPurposes[] = {
    "Treatment",       "Prevention",         "Diagnostic",
    "Supportive Care", "Screening",          "Health Services Research",
    "Basic Science",   "Device Feasibility", "Other"};
// The registry takes the older "Phase 0" as "Early Phase 1".
constexpr std::string_view kPhases[] = {"N/A",     "Early Phase 1",   "Phase 1", "Phase 1/Phase 2",
                                        "Phase 2", "Phase 2/Phase 3", "Phase 3", "Phase 4",
                                        "Phase 0"};
constexpr std::string_view kAllocations[] = {"Randomized", "Non-randomized", "N/A"};
constexpr std::string_view kAssignments[] = {"Single Group Assignment", "Parallel Assignment",
                                             "Crossover Assignment", "Factorial Assignment",
                                             "Sequential Assignment"};
constexpr std::string_view kObservationalModels[] = {
    "Cohort",       "Case-Control", "Case-Only", "Case-Crossover", "Ecologic or Community",
    "Family-Based", "Other"};
constexpr std::string_view kTimings[] = {"Retrospective", "Prospective", "Cross-Sectional",
                                         "Other"};
constexpr std::string_view kRetentions[] = {"None Retained", "Samples With DNA",
                                            "Samples Without DNA"};
constexpr std::string_view kDurationUnits[] = {"Years", "Months", "Weeks", "Days"};
constexpr std::string_view kArmTypes[] = {"Experimental",       "Active Comparator",
                                          "Placebo Comparator", "Sham Comparator",
                                          "No Intervention",    "Other"};
constexpr std::string_view kInterventionTypes[] = {
    "Drug",       "Device",  "Biological/Vaccine", "Procedure/Surgery",   "Radiation",
    "Behavioral", "Genetic", "Dietary Supplement", "Combination Product", "Diagnostic Test",
    "Other"};
// The registry takes the older "Both" as "All".
constexpr std::string_view kSexes[] = {"All", "Female", "Male", "Both"};
constexpr std::string_view kSamplingMethods[] = {"Probability Sample", "Non-Probability Sample"};
constexpr std::string_view kSiteStatuses[] = {"Not yet recruiting",
                                              "Recruiting",
                                              "No longer recruiting",
                                              "Active, not recruiting",
                                              "Enrolling by invitation",
                                              "Completed",
                                              "Suspended",
                                              "Terminated",
                                              "Withdrawn",
                                              "Available"};
constexpr std::string_view kOfficialRoles[] = {"Principal Investigator", "Study Chair",
                                               "Study Director"};
constexpr std::string_view kDocumentTypes[] = {"Individual Participant Data Set",
                                               "Study Protocol",
                                               "Statistical Analysis Plan",
                                               "Informed Consent Form",
                                               "Clinical Study Report",
                                               "Analytic Code",
                                               "Other"};
// Answers, compared without regard to letter case.
constexpr std::string_view kYesNo[] = {"Yes", "No"};
constexpr std::string_view kYesNoNone[] = {"Yes", "No", "None"};
constexpr std::string_view kFlags[] = {"Yes", "No", "True", "False"};
constexpr std::string_view kYesNoUnknown[] = {"Yes", "No", "Unknown"};
constexpr std::string_view kYesNoUndecided[] = {"Yes", "No", "Undecided"};
constexpr unsigned Blind = R::CaseBlind;

constexpr std::string_view kDateForm = "a date of the form YYYY-MM or YYYY-MM-DD";
constexpr std::string_view kWholeNumber = "a whole number";

// Rows for the three kinds of outcome measure.
template <auto List> struct OutcomeRows {
    static constexpr R::Reach measure = items<In<List>, In<&Outcome::outcome_measure>>;
    static constexpr R::Reach timeFrame = items<In<List>, In<&Outcome::outcome_time_frame>>;
    static constexpr R::Reach description = items<In<List>, In<&Outcome::outcome_description>>;
};
using Primary = OutcomeRows<&S::primary_outcome>;
using Secondary = OutcomeRows<&S::secondary_outcome>;
using Other = OutcomeRows<&S::other_outcome>;

using Arms = In<&S::arm_group>;
using Interventions = In<&S::intervention>;
using Locations = In<&S::location>;
using SecondaryIds = In<&S::id_info, &Id::secondary_id>;
using Links = In<&S::link>;
using Documents = In<&S::study_document>;
using Officials = In<&S::overall_official>;

constinit const R kRules[] = {
    // Study Identification
    required("org_name.required", E, kIdentification, "id_info/org_name", "Organization Name",
             R::AnyType, 0, field<&S::id_info, &Id::org_name>),
    required("org_study_id.required", E, kIdentification, "id_info/org_study_id",
             "Unique Protocol ID", R::AnyType, 0, field<&S::id_info, &Id::org_study_id>),
    limit("org_study_id.length", E, kIdentification, "id_info/org_study_id", "Unique Protocol ID",
          field<&S::id_info, &Id::org_study_id>, 30),
    acrossRecords("org_study_id.unique", E, kIdentification, "id_info/org_study_id",
                  "Unique Protocol ID", &RecordChecks::uniqueProtocolIds),
    required("secondary_id.id.required", E, kIdentification, "id_info/secondary_id/id",
             "Secondary ID", R::AnyType, 0, items<SecondaryIds, In<&SecondaryId::id>>),
    limit("secondary_id.id.length", E, kIdentification, "id_info/secondary_id/id", "Secondary ID",
          items<SecondaryIds, In<&SecondaryId::id>>, 30),
    required("secondary_id.id_type.required", W, kIdentification, "id_info/secondary_id/id_type",
             "Secondary ID Type", R::AnyType, 0, items<SecondaryIds, In<&SecondaryId::id_type>>),
    values("secondary_id.id_type.value", kIdentification, "id_info/secondary_id/id_type",
           "Secondary ID Type", items<SecondaryIds, In<&SecondaryId::id_type>>, kIdTypes),
    custom("secondary_id.id_domain.required", E, kIdentification, "id_info/secondary_id/id_domain",
           "Secondary ID Description", R::AnyType, 0, &RecordChecks::secondaryDomainGiven),
    custom("secondary_id.id_domain.unused", E, kIdentification, "id_info/secondary_id/id_domain",
           "Secondary ID Description", R::AnyType, 0, &RecordChecks::secondaryDomainUnused),
    required("brief_title.required", E, kIdentification, "brief_title", "Brief Title", R::AnyType,
             Req, field<&S::brief_title>),
    limit("brief_title.length", E, kIdentification, "brief_title", "Brief Title",
          field<&S::brief_title>, 300),
    limit("acronym.length", E, kIdentification, "acronym", "Acronym", field<&S::acronym>, 14),
    required("official_title.required", E, kIdentification, "official_title", "Official Title",
             R::AnyType, Req | Final, field<&S::official_title>, nullptr,
             "for studies that start on or after 2017-01-18"),
    limit("official_title.length", E, kIdentification, "official_title", "Official Title",
          field<&S::official_title>, 600),
    custom("delete.partial_upload", E, kIdentification, "clinical_study/@partial_upload",
           "Partial upload", R::AnyType, 0, &RecordChecks::deleteOnlyInPartialUpload),

    // Study Status
    required("verification_date.required", W, kStatus, "verification_date",
             "Record Verification Date", R::AnyType, Req, field<&S::verification_date>),
    form("verification_date.form", E, kStatus, "verification_date", "Record Verification Date",
         field<&S::verification_date>, &C::isMonth, "a month of the form YYYY-MM"),
    custom("verification_date.future", W, kStatus, "verification_date", "Record Verification Date",
           R::AnyType, 0, &DateChecks::verificationNotFuture),
    custom("verification_date.current", W, kStatus, "verification_date", "Record Verification Date",
           R::AnyType, 0, &DateChecks::verificationCurrent),
    required("overall_status.required", W, kStatus, "overall_status", "Overall Recruitment Status",
             R::Studies, Req, field<&S::overall_status>),
    values("overall_status.value", kStatus, "overall_status", "Overall Recruitment Status",
           field<&S::overall_status>, kOverallStatuses),
    custom("overall_status.recruiting_sites", E, kStatus, "overall_status",
           "Overall Recruitment Status", R::AnyType, 0, &RecordChecks::recruitingSites),
    required("why_stopped.required", E, kStatus, "why_stopped", "Why Study Stopped", R::AnyType,
             Req, field<&S::why_stopped>, &C::stopped, "when the status is"),
    limit("why_stopped.length", E, kStatus, "why_stopped", "Why Study Stopped",
          field<&S::why_stopped>, 250),
    required("expanded_access_status.required", W, kStatus, "expanded_access_status",
             "Expanded Access Status", R::ExpandedAccess, Req, field<&S::expanded_access_status>),
    values("expanded_access_status.value", kStatus, "expanded_access_status",
           "Expanded Access Status", field<&S::expanded_access_status>, kAccessStatuses),
    required("start_date.required", W, kStatus, "start_date", "Study Start Date", R::Studies, Req,
             field<&S::start_date>),
    form("start_date.form", E, kStatus, "start_date", "Study Start Date", field<&S::start_date>,
         &C::isDate, kDateForm),
    required("start_date_type.required", W, kStatus, "start_date_type", "Study Start Date type",
             R::Studies, Req, field<&S::start_date_type>, &C::startDateGiven,
             "with the Study Start Date"),
    values("start_date_type.value", kStatus, "start_date_type", "Study Start Date type",
           field<&S::start_date_type>, kDateTypes),
    custom("start_date.actual_future", W, kStatus, "start_date", "Study Start Date", R::AnyType, 0,
           &DateChecks::actualNotFuture<&S::start_date, &S::start_date_type>),
    custom("start_date.anticipated_past", W, kStatus, "start_date", "Study Start Date", R::AnyType,
           0, &DateChecks::anticipatedNotPast<&S::start_date, &S::start_date_type>),
    required("primary_compl_date.required", W, kStatus, "primary_compl_date",
             "Primary Completion Date", R::Studies, Req, field<&S::primary_compl_date>),
    form("primary_compl_date.form", E, kStatus, "primary_compl_date", "Primary Completion Date",
         field<&S::primary_compl_date>, &C::isDate, kDateForm),
    required("primary_compl_date_type.required", W, kStatus, "primary_compl_date_type",
             "Primary Completion Date type", R::Studies, Req, field<&S::primary_compl_date_type>,
             &C::primaryCompletionGiven, "with the Primary Completion Date"),
    values("primary_compl_date_type.value", kStatus, "primary_compl_date_type",
           "Primary Completion Date type", field<&S::primary_compl_date_type>, kDateTypes),
    custom("primary_compl_date.actual_future", W, kStatus, "primary_compl_date",
           "Primary Completion Date", R::AnyType, 0,
           &DateChecks::actualNotFuture<&S::primary_compl_date, &S::primary_compl_date_type>),
    custom("primary_compl_date.anticipated_past", W, kStatus, "primary_compl_date",
           "Primary Completion Date", R::AnyType, 0,
           &DateChecks::anticipatedNotPast<&S::primary_compl_date, &S::primary_compl_date_type>),
    custom("primary_compl_date.order", W, kStatus, "primary_compl_date", "Primary Completion Date",
           R::AnyType, 0, &DateChecks::notBefore<&S::primary_compl_date, &S::start_date>,
           "Study Start Date"),
    required("last_follow_up_date.required", W, kStatus, "last_follow_up_date",
             "Study Completion Date", R::Studies, Req, field<&S::last_follow_up_date>),
    form("last_follow_up_date.form", E, kStatus, "last_follow_up_date", "Study Completion Date",
         field<&S::last_follow_up_date>, &C::isDate, kDateForm),
    required("last_follow_up_date_type.required", W, kStatus, "last_follow_up_date_type",
             "Study Completion Date type", R::Studies, Req, field<&S::last_follow_up_date_type>,
             &C::completionGiven, "with the Study Completion Date"),
    values("last_follow_up_date_type.value", kStatus, "last_follow_up_date_type",
           "Study Completion Date type", field<&S::last_follow_up_date_type>, kDateTypes),
    custom("last_follow_up_date.actual_future", W, kStatus, "last_follow_up_date",
           "Study Completion Date", R::AnyType, 0,
           &DateChecks::actualNotFuture<&S::last_follow_up_date, &S::last_follow_up_date_type>),
    custom("last_follow_up_date.anticipated_past", W, kStatus, "last_follow_up_date",
           "Study Completion Date", R::AnyType, 0,
           &DateChecks::anticipatedNotPast<&S::last_follow_up_date, &S::last_follow_up_date_type>),
    custom("last_follow_up_date.order", W, kStatus, "last_follow_up_date", "Study Completion Date",
           R::AnyType, 0, &DateChecks::notBefore<&S::last_follow_up_date, &S::primary_compl_date>,
           "Primary Completion Date"),
    form("end_date.form", W, kStatus, "end_date", "End Date", field<&S::end_date>, &C::isDate,
         kDateForm),
    notCollected("overall_status.expanded_access", kStatus, "overall_status",
                 "Overall Recruitment Status",
                 fields<field<&S::overall_status>, field<&S::why_stopped>>),
    notCollected("start_date.expanded_access", kStatus, "start_date", "Study Start Date",
                 fields<field<&S::start_date>, field<&S::start_date_type>>),
    notCollected("primary_compl_date.expanded_access", kStatus, "primary_compl_date",
                 "Primary Completion Date",
                 fields<field<&S::primary_compl_date>, field<&S::primary_compl_date_type>>),
    notCollected("last_follow_up_date.expanded_access", kStatus, "last_follow_up_date",
                 "Study Completion Date",
                 fields<field<&S::last_follow_up_date>, field<&S::last_follow_up_date_type>>),

    // Sponsor/Collaborators
    // A responsible party left out is the definitions' requirement; one given
    // without its type fails the upload format itself.
    required("resp_party.required", W, kSponsor, "sponsors/resp_party", "Responsible Party",
             R::AnyType, Req,
             field<&S::sponsors, &Sponsors::resp_party, &ResponsibleParty::resp_party_type>,
             &C::responsiblePartyMissing),
    required("resp_party_type.required", E, kSponsor, "sponsors/resp_party/resp_party_type",
             "Responsible Party type", R::AnyType, 0,
             field<&S::sponsors, &Sponsors::resp_party, &ResponsibleParty::resp_party_type>,
             &C::responsiblePartyGiven, "when responsible party details are given"),
    values("resp_party_type.value", kSponsor, "sponsors/resp_party/resp_party_type",
           "Responsible Party",
           field<&S::sponsors, &Sponsors::resp_party, &ResponsibleParty::resp_party_type>,
           kPartyTypes),
    onlyWhen(
        "resp_party.investigator.unused", E, kSponsor, "sponsors/resp_party",
        "Investigator information",
        fields<field<&S::sponsors, &Sponsors::resp_party, &ResponsibleParty::investigator_username>,
               field<&S::sponsors, &Sponsors::resp_party, &ResponsibleParty::investigator_title>,
               field<&S::sponsors, &Sponsors::resp_party,
                     &ResponsibleParty::investigator_affiliation>>,
        &C::investigatorAllowed,
        "when the Responsible Party is a Principal Investigator or Sponsor-Investigator"),
    required("investigator_username.required", W, kSponsor,
             "sponsors/resp_party/investigator_username", "Investigator Username", R::AnyType, Req,
             field<&S::sponsors, &Sponsors::resp_party, &ResponsibleParty::investigator_username>,
             &C::investigatorParty, "when the Responsible Party is"),
    required("investigator_title.required", W, kSponsor, "sponsors/resp_party/investigator_title",
             "Investigator Official Title", R::AnyType, Req,
             field<&S::sponsors, &Sponsors::resp_party, &ResponsibleParty::investigator_title>,
             &C::investigatorParty, "when the Responsible Party is"),
    required(
        "investigator_affiliation.required", W, kSponsor,
        "sponsors/resp_party/investigator_affiliation", "Investigator Affiliation", R::AnyType, Req,
        field<&S::sponsors, &Sponsors::resp_party, &ResponsibleParty::investigator_affiliation>,
        &C::principalInvestigator, "when the Responsible Party is"),
    required("lead_sponsor.required", W, kSponsor, "sponsors/lead_sponsor/agency",
             "Name of the Sponsor", R::AnyType, Req,
             field<&S::sponsors, &Sponsors::lead_sponsor, &Agency::agency>),
    limit("lead_sponsor.length", E, kSponsor, "sponsors/lead_sponsor/agency", "Name of the Sponsor",
          field<&S::sponsors, &Sponsors::lead_sponsor, &Agency::agency>, 160),
    required("collaborator.required", E, kSponsor, "sponsors/collaborator/agency", "Collaborator",
             R::AnyType, 0, items<In<&S::sponsors, &Sponsors::collaborator>, In<&Agency::agency>>),
    limit("collaborator.length", E, kSponsor, "sponsors/collaborator/agency", "Collaborator",
          items<In<&S::sponsors, &Sponsors::collaborator>, In<&Agency::agency>>, 160),

    // Oversight
    required("fda_regulated_drug.required", E, kOversight, "oversight_info/fda_regulated_drug",
             "Studies a U.S. FDA-regulated Drug Product", R::Interventional | R::ExpandedAccess,
             Req | Final, oversightField<&OversightInfo::fda_regulated_drug>),
    values("fda_regulated_drug.value", kOversight, "oversight_info/fda_regulated_drug",
           "Studies a U.S. FDA-regulated Drug Product",
           oversightField<&OversightInfo::fda_regulated_drug>, kYesNo, Blind),
    required("fda_regulated_device.required", E, kOversight, "oversight_info/fda_regulated_device",
             "Studies a U.S. FDA-regulated Device Product", R::Interventional | R::ExpandedAccess,
             Req | Final, oversightField<&OversightInfo::fda_regulated_device>),
    values("fda_regulated_device.value", kOversight, "oversight_info/fda_regulated_device",
           "Studies a U.S. FDA-regulated Device Product",
           oversightField<&OversightInfo::fda_regulated_device>, kYesNo, Blind),
    required("delayed_posting.required", W, kOversight, "delayed_posting",
             "Device Product Not Approved or Cleared by U.S. FDA", R::AnyType, Req | Final,
             field<&S::delayed_posting>, &C::fdaDevice,
             "when the study has a U.S. FDA-regulated device product"),
    values("delayed_posting.value", kOversight, "delayed_posting",
           "Device Product Not Approved or Cleared by U.S. FDA", field<&S::delayed_posting>,
           kYesNoNone, Blind),
    onlyWhen("post_prior_to_approval.unused", W, kOversight,
             "oversight_info/post_prior_to_approval",
             "Post Prior to U.S. FDA Approval or Clearance",
             oversightField<&OversightInfo::post_prior_to_approval>, &C::unapprovedDeviceAllowed,
             "when the device product is not approved or cleared"),
    values("post_prior_to_approval.value", kOversight, "oversight_info/post_prior_to_approval",
           "Post Prior to U.S. FDA Approval or Clearance",
           oversightField<&OversightInfo::post_prior_to_approval>, kYesNoNone, Blind),
    onlyWhen("ped_postmarket_surv.unused", W, kOversight, "oversight_info/ped_postmarket_surv",
             "Pediatric Postmarket Surveillance of a Device Product",
             oversightField<&OversightInfo::ped_postmarket_surv>, &C::deviceAllowed,
             "for a study of a U.S. FDA-regulated device product"),
    values("ped_postmarket_surv.value", kOversight, "oversight_info/ped_postmarket_surv",
           "Pediatric Postmarket Surveillance of a Device Product",
           oversightField<&OversightInfo::ped_postmarket_surv>, kYesNo, Blind),
    required("exported_from_us.required", E, kOversight, "oversight_info/exported_from_us",
             "Product Manufactured in and Exported from the U.S.", R::AnyType, Req,
             oversightField<&OversightInfo::exported_from_us>, &C::exportNeedsAnswer,
             "when a U.S. FDA-regulated product is studied without an IND/IDE and at no U.S. site"),
    values("exported_from_us.value", kOversight, "oversight_info/exported_from_us",
           "Product Manufactured in and Exported from the U.S.",
           oversightField<&OversightInfo::exported_from_us>, kYesNo, Blind),
    required("is_ind_study.required", W, kOversight, "is_ind_study", "U.S. FDA IND or IDE",
             R::AnyType, Req, field<&S::is_ind_study>, &C::fdaProduct,
             "when a U.S. FDA-regulated product is studied"),
    values("is_ind_study.value", kOversight, "is_ind_study", "U.S. FDA IND or IDE",
           field<&S::is_ind_study>, kYesNo, Blind),
    required("ind_grantor.required", E, kOversight, "ind_info/ind_grantor", "FDA Center",
             R::AnyType, Req, field<&S::ind_info, &IndInfo::ind_grantor>, &C::indStudy,
             "when the study has an IND/IDE"),
    values("ind_grantor.value", kOversight, "ind_info/ind_grantor", "FDA Center",
           field<&S::ind_info, &IndInfo::ind_grantor>, kGrantors),
    required("ind_number.required", E, kOversight, "ind_info/ind_number", "IND/IDE Number",
             R::AnyType, Req, field<&S::ind_info, &IndInfo::ind_number>, &C::indStudy,
             "when the study has an IND/IDE"),
    onlyWhen("ind_info.unused", W, kOversight, "ind_info", "IND/IDE information",
             fields<field<&S::ind_info, &IndInfo::ind_grantor>,
                    field<&S::ind_info, &IndInfo::ind_number>,
                    field<&S::ind_info, &IndInfo::ind_serial_number>,
                    field<&S::ind_info, &IndInfo::expanded_access_nct_id>>,
             &C::indAllowed, "when the study has an IND/IDE"),
    required("has_expanded_access.required", W, kOversight, "ind_info/has_expanded_access",
             "Availability of Expanded Access", R::AnyType, Req,
             field<&S::ind_info, &IndInfo::has_expanded_access>, &C::indDrug,
             "when a drug is studied under an IND"),
    values("has_expanded_access.value", kOversight, "ind_info/has_expanded_access",
           "Availability of Expanded Access", field<&S::ind_info, &IndInfo::has_expanded_access>,
           kYesNoUnknown, Blind),
    form("expanded_access_nct_id.form", W, kOversight, "ind_info/expanded_access_nct_id",
         "Expanded Access Record NCT Number", field<&S::ind_info, &IndInfo::expanded_access_nct_id>,
         &C::isNctNumber, "NCT followed by 8 digits"),
    onlyWhen("expanded_access_nct_id.unused", W, kOversight, "ind_info/expanded_access_nct_id",
             "Expanded Access Record NCT Number",
             field<&S::ind_info, &IndInfo::expanded_access_nct_id>, &C::expandedAccessAllowed,
             "when expanded access is available"),
    required("approval_status.required", W, kOversight, "oversight_info/irb_info/approval_status",
             "Human Subjects Protection Review Board Status", R::AnyType, Req,
             field<&S::oversight_info, &OversightInfo::irb_info, &IrbInfo::approval_status>),
    values("approval_status.value", kOversight, "oversight_info/irb_info/approval_status",
           "Human Subjects Protection Review Board Status",
           field<&S::oversight_info, &OversightInfo::irb_info, &IrbInfo::approval_status>,
           kBoardStatuses),
    required("approval_number.required", W, kOversight, "oversight_info/irb_info/approval_number",
             "Board Approval Number", R::AnyType, Req,
             field<&S::oversight_info, &OversightInfo::irb_info, &IrbInfo::approval_number>,
             &C::boardApproved, "when the board status is"),
    required("irb_info.name.required", W, kOversight, "oversight_info/irb_info/name", "Board Name",
             R::AnyType, Req, field<&S::oversight_info, &OversightInfo::irb_info, &IrbInfo::name>,
             &C::boardSubmitted, "when the board status is"),
    required("irb_info.affiliation.required", W, kOversight, "oversight_info/irb_info/affiliation",
             "Board Affiliation", R::AnyType, Req,
             field<&S::oversight_info, &OversightInfo::irb_info, &IrbInfo::affiliation>,
             &C::boardSubmitted, "when the board status is"),
    required("irb_info.phone.required", W, kOversight, "oversight_info/irb_info/phone",
             "Board Phone", R::AnyType, Req,
             field<&S::oversight_info, &OversightInfo::irb_info, &IrbInfo::phone>,
             &C::boardSubmitted, "when the board status is"),
    required("irb_info.email.required", W, kOversight, "oversight_info/irb_info/email",
             "Board Email", R::AnyType, Req,
             field<&S::oversight_info, &OversightInfo::irb_info, &IrbInfo::email>,
             &C::boardSubmitted, "when the board status is"),
    required("irb_info.full_address.required", W, kOversight,
             "oversight_info/irb_info/full_address", "Board Address", R::AnyType, Req,
             field<&S::oversight_info, &OversightInfo::irb_info, &IrbInfo::full_address>,
             &C::boardSubmitted, "when the board status is"),
    values("has_dmc.value", kOversight, "oversight_info/has_dmc", "Data Monitoring Committee",
           oversightField<&OversightInfo::has_dmc>, kYesNo, Blind),

    // Study Description
    required("brief_summary.required", W, kDescription, "brief_summary", "Brief Summary",
             R::AnyType, Req, field<&S::brief_summary>),
    limit("brief_summary.length", E, kDescription, "brief_summary", "Brief Summary",
          field<&S::brief_summary>, 5000),
    limit("detailed_description.length", E, kDescription, "detailed_description",
          "Detailed Description", field<&S::detailed_description>, 32000),

    // Conditions and Keywords
    atLeastOne("condition.required", kConditions, "condition", "Condition", R::AnyType,
               items<In<&S::condition>>),

    // Study Design
    required("study_type.required", E, kDesign, "study_design/study_type", "Study Type", R::AnyType,
             0, field<&S::study_design, &Design::study_type>),
    values("study_type.value", kDesign, "study_design/study_type", "Study Type",
           field<&S::study_design, &Design::study_type>, kStudyTypes),
    custom("interventional_design.type", E, kDesign, "study_design/interventional_design",
           "Interventional Study Design", R::AnyType, 0, &RecordChecks::interventionalDesignFits),
    custom("observational_design.type", E, kDesign, "study_design/observational_design",
           "Observational Study Design", R::AnyType, 0, &RecordChecks::observationalDesignFits),
    required("interventional_subtype.required", E, kDesign,
             "study_design/interventional_design/interventional_subtype", "Primary Purpose",
             R::Interventional, Req, intField<&Int::interventional_subtype>),
    values("interventional_subtype.value", kDesign,
           "study_design/interventional_design/interventional_subtype", "Primary Purpose",
           intField<&Int::interventional_subtype>, kPurposes),
    required("phase.required", E, kDesign, "study_design/interventional_design/phase",
             "Study Phase", R::Interventional, Req, intField<&Int::phase>),
    values("phase.value", kDesign, "study_design/interventional_design/phase", "Study Phase",
           intField<&Int::phase>, kPhases),
    required("allocation.required", E, kDesign, "study_design/interventional_design/allocation",
             "Allocation", R::Interventional, Req, intField<&Int::allocation>),
    values("allocation.value", kDesign, "study_design/interventional_design/allocation",
           "Allocation", intField<&Int::allocation>, kAllocations),
    required("assignment.required", W, kDesign, "study_design/interventional_design/assignment",
             "Interventional Study Model", R::Interventional, Req, intField<&Int::assignment>),
    values("assignment.value", kDesign, "study_design/interventional_design/assignment",
           "Interventional Study Model", intField<&Int::assignment>, kAssignments),
    limit("model_description.length", E, kDesign,
          "study_design/interventional_design/model_description", "Model Description",
          intField<&Int::model_description>, 1000),
    required("number_of_arms.required", W, kDesign,
             "study_design/interventional_design/number_of_arms", "Number of Arms",
             R::Interventional, Req, intField<&Int::number_of_arms>),
    form("number_of_arms.form", W, kDesign, "study_design/interventional_design/number_of_arms",
         "Number of Arms", intField<&Int::number_of_arms>, &C::isPositiveWholeNumber, kWholeNumber),
    custom("number_of_arms.count", W, kDesign, "study_design/interventional_design/number_of_arms",
           "Number of Arms", R::Interventional, 0,
           &RecordChecks::armCount<&S::study_design, &Design::interventional_design,
                                   &Int::number_of_arms>),
    custom("masking.required", W, kDesign, "study_design/interventional_design/no_masking",
           "Masking", R::Interventional, Req, &RecordChecks::maskingGiven),
    custom("masking.none", E, kDesign, "study_design/interventional_design/no_masking", "Masking",
           R::AnyType, 0, &RecordChecks::noMaskingMasksNobody),
    custom("masking.roles", W, kDesign, "study_design/interventional_design/no_masking", "Masking",
           R::AnyType, 0, &RecordChecks::maskingNamesRoles),
    values("no_masking.value", kDesign, "study_design/interventional_design/no_masking",
           "No Masking", intField<&Int::no_masking>, kFlags, Blind),
    values("masked_subject.value", kDesign, "study_design/interventional_design/masked_subject",
           "Masking: Participant", intField<&Int::masked_subject>, kFlags, Blind),
    values("masked_caregiver.value", kDesign, "study_design/interventional_design/masked_caregiver",
           "Masking: Care Provider", intField<&Int::masked_caregiver>, kFlags, Blind),
    values("masked_investigator.value", kDesign,
           "study_design/interventional_design/masked_investigator", "Masking: Investigator",
           intField<&Int::masked_investigator>, kFlags, Blind),
    values("masked_assessor.value", kDesign, "study_design/interventional_design/masked_assessor",
           "Masking: Outcomes Assessor", intField<&Int::masked_assessor>, kFlags, Blind),
    limit("masking_description.length", E, kDesign,
          "study_design/interventional_design/masking_description", "Masking Description",
          intField<&Int::masking_description>, 1000),
    required("observational_study_design.required", E, kDesign,
             "study_design/observational_design/observational_study_design",
             "Observational Study Model", R::Observational, Req,
             obsField<&Obs::observational_study_design>),
    values("observational_study_design.value", kDesign,
           "study_design/observational_design/observational_study_design",
           "Observational Study Model", obsField<&Obs::observational_study_design>,
           kObservationalModels),
    required("timing.required", E, kDesign, "study_design/observational_design/timing",
             "Time Perspective", R::Observational, Req, obsField<&Obs::timing>),
    values("timing.value", kDesign, "study_design/observational_design/timing", "Time Perspective",
           obsField<&Obs::timing>, kTimings),
    required("biospecimen_retention.required", E, kDesign,
             "study_design/observational_design/biospecimen_retention", "Biospecimen Retention",
             R::Observational, Req, obsField<&Obs::biospecimen_retention>),
    values("biospecimen_retention.value", kDesign,
           "study_design/observational_design/biospecimen_retention", "Biospecimen Retention",
           obsField<&Obs::biospecimen_retention>, kRetentions),
    required("biospecimen_description.required", E, kDesign,
             "study_design/observational_design/biospecimen_description", "Biospecimen Description",
             R::AnyType, Req, obsField<&Obs::biospecimen_description>, &C::samplesRetained,
             "when Biospecimen Retention is"),
    onlyWhen("biospecimen_description.unused", E, kDesign,
             "study_design/observational_design/biospecimen_description", "Biospecimen Description",
             obsField<&Obs::biospecimen_description>, &C::descriptionOfSamplesAllowed,
             "when samples are retained"),
    limit("biospecimen_description.length", E, kDesign,
          "study_design/observational_design/biospecimen_description", "Biospecimen Description",
          obsField<&Obs::biospecimen_description>, 1000),
    required("number_of_groups.required", E, kDesign,
             "study_design/observational_design/number_of_groups", "Number of Groups/Cohorts",
             R::Observational, Req, obsField<&Obs::number_of_groups>),
    form("number_of_groups.form", W, kDesign, "study_design/observational_design/number_of_groups",
         "Number of Groups/Cohorts", obsField<&Obs::number_of_groups>, &C::isPositiveWholeNumber,
         kWholeNumber),
    custom("number_of_groups.count", W, kDesign,
           "study_design/observational_design/number_of_groups", "Number of Groups/Cohorts",
           R::Observational, 0,
           &RecordChecks::armCount<&S::study_design, &Design::observational_design,
                                   &Obs::number_of_groups>),
    values("patient_registry.value", kDesign, "study_design/observational_design/patient_registry",
           "Patient Registry", obsField<&Obs::patient_registry>, kFlags, Blind),
    required("target_duration_quantity.required", E, kDesign,
             "study_design/observational_design/target_duration_quantity",
             "Target Follow-Up Duration", R::AnyType, Req, obsField<&Obs::target_duration_quantity>,
             &C::patientRegistry, "for a patient registry"),
    form("target_duration_quantity.form", E, kDesign,
         "study_design/observational_design/target_duration_quantity", "Target Follow-Up Duration",
         obsField<&Obs::target_duration_quantity>, &C::isPositiveWholeNumber,
         "a whole number above 0"),
    required("target_duration_units.required", E, kDesign,
             "study_design/observational_design/target_duration_units",
             "Target Follow-Up Duration unit", R::AnyType, Req,
             obsField<&Obs::target_duration_units>, &C::patientRegistry, "for a patient registry"),
    values("target_duration_units.value", kDesign,
           "study_design/observational_design/target_duration_units",
           "Target Follow-Up Duration unit", obsField<&Obs::target_duration_units>, kDurationUnits),
    custom("exp_acc_type.required", W, kDesign, "study_design/exp_acc_type_individual",
           "Expanded Access Type", R::ExpandedAccess, Req | Final, &RecordChecks::accessTypeGiven),
    custom("no_exp_acc_type.excludes", E, kDesign, "study_design/no_exp_acc_type",
           "No Expanded Access Type", R::AnyType, 0, &RecordChecks::noAccessTypeExcludesTypes),
    values("no_exp_acc_type.value", kDesign, "study_design/no_exp_acc_type",
           "No Expanded Access Type", field<&S::study_design, &Design::no_exp_acc_type>, kFlags,
           Blind),
    values("exp_acc_type_individual.value", kDesign, "study_design/exp_acc_type_individual",
           "Expanded Access Type: Individual Patients",
           field<&S::study_design, &Design::exp_acc_type_individual>, kFlags, Blind),
    values("exp_acc_type_intermediate.value", kDesign, "study_design/exp_acc_type_intermediate",
           "Expanded Access Type: Intermediate-size Population",
           field<&S::study_design, &Design::exp_acc_type_intermediate>, kFlags, Blind),
    values("exp_acc_type_treatment.value", kDesign, "study_design/exp_acc_type_treatment",
           "Expanded Access Type: Treatment IND/Protocol",
           field<&S::study_design, &Design::exp_acc_type_treatment>, kFlags, Blind),
    required("enrollment.required", W, kDesign, "enrollment", "Enrollment", R::Studies, Req,
             field<&S::enrollment>),
    form("enrollment.form", W, kDesign, "enrollment", "Enrollment", field<&S::enrollment>,
         &C::isWholeNumber, kWholeNumber),
    required("enrollment_type.required", W, kDesign, "enrollment_type", "Enrollment type",
             R::Studies, Req, field<&S::enrollment_type>, &C::enrollmentGiven,
             "with the Enrollment"),
    values("enrollment_type.value", kDesign, "enrollment_type", "Enrollment type",
           field<&S::enrollment_type>, kDateTypes),
    custom("enrollment_type.actual", W, kDesign, "enrollment_type", "Enrollment type", R::Studies,
           0, &DateChecks::enrollmentActual),
    notCollected("enrollment.expanded_access", kDesign, "enrollment", "Enrollment",
                 fields<field<&S::enrollment>, field<&S::enrollment_type>>),

    // Arms, Groups and Interventions
    atLeastOne("arm_group.required", kArms, "arm_group", "Arm or Group", R::Studies,
               items<Arms, In<&ArmGroup::arm_group_label>>),
    required("arm_group_label.required", E, kArms, "arm_group/arm_group_label",
             "Arm or Group Title", R::AnyType, 0, items<Arms, In<&ArmGroup::arm_group_label>>),
    limit("arm_group_label.length", E, kArms, "arm_group/arm_group_label", "Arm or Group Title",
          items<Arms, In<&ArmGroup::arm_group_label>>, 100),
    custom("arm_group_label.unique", W, kArms, "arm_group/arm_group_label", "Arm or Group Title",
           R::AnyType, 0, &RecordChecks::armLabelsUnique),
    required("arm_type.required", E, kArms, "arm_group/arm_type", "Arm Type", R::Interventional, 0,
             items<Arms, In<&ArmGroup::arm_type>>),
    values("arm_type.value", kArms, "arm_group/arm_type", "Arm Type",
           items<Arms, In<&ArmGroup::arm_type>>, kArmTypes),
    onlyWhen("arm_type.type", E, kArms, "arm_group/arm_type", "Arm Type",
             items<Arms, In<&ArmGroup::arm_type>>, &C::interventionalAllowed,
             "for Interventional studies"),
    limit("arm_group_description.length", E, kArms, "arm_group/arm_group_description",
          "Arm or Group Description", items<Arms, In<&ArmGroup::arm_group_description>>, 999),
    notCollected("arm_group.expanded_access", kArms, "arm_group", "Arm or Group",
                 items<Arms, In<&ArmGroup::arm_group_label>>),
    atLeastOne("intervention.required", kArms, "intervention", "Intervention", R::Interventional,
               items<Interventions, In<&Intervention::intervention_name>>),
    required("intervention_type.required", W, kArms, "intervention/intervention_type",
             "Intervention Type", R::AnyType, 0,
             items<Interventions, In<&Intervention::intervention_type>>),
    values("intervention_type.value", kArms, "intervention/intervention_type", "Intervention Type",
           items<Interventions, In<&Intervention::intervention_type>>, kInterventionTypes),
    required("intervention_name.required", E, kArms, "intervention/intervention_name",
             "Intervention Name", R::AnyType, 0,
             items<Interventions, In<&Intervention::intervention_name>>),
    limit("intervention_name.length", E, kArms, "intervention/intervention_name",
          "Intervention Name", items<Interventions, In<&Intervention::intervention_name>>, 200),
    required("intervention_description.required", W, kArms, "intervention/intervention_description",
             "Intervention Description", R::AnyType, Final,
             items<Interventions, In<&Intervention::intervention_description>>),
    limit("intervention_description.length", E, kArms, "intervention/intervention_description",
          "Intervention Description",
          items<Interventions, In<&Intervention::intervention_description>>, 1000),
    custom("intervention.arm_group_label.required", W, kArms, "intervention/arm_group_label",
           "Arm or Group/Intervention Cross-Reference", R::AnyType, 0,
           &RecordChecks::interventionArmsGiven),
    custom("intervention.arm_group_label.known", W, kArms, "intervention/arm_group_label",
           "Arm or Group/Intervention Cross-Reference", R::AnyType, 0,
           &RecordChecks::interventionArmsKnown),

    // Outcome Measures
    atLeastOne("primary_outcome.required", kOutcomes, "primary_outcome", "Primary Outcome Measure",
               R::Studies, Primary::measure),
    required("primary_outcome.measure.required", E, kOutcomes, "primary_outcome/outcome_measure",
             "Primary Outcome Measure Title", R::AnyType, 0, Primary::measure),
    limit("primary_outcome.measure.length", W, kOutcomes, "primary_outcome/outcome_measure",
          "Primary Outcome Measure Title", Primary::measure, 255),
    required("primary_outcome.time_frame.required", W, kOutcomes,
             "primary_outcome/outcome_time_frame", "Primary Outcome Measure Time Frame", R::AnyType,
             0, Primary::timeFrame),
    limit("primary_outcome.time_frame.length", W, kOutcomes, "primary_outcome/outcome_time_frame",
          "Primary Outcome Measure Time Frame", Primary::timeFrame, 255),
    limit("primary_outcome.description.length", E, kOutcomes, "primary_outcome/outcome_description",
          "Primary Outcome Measure Description", Primary::description, 999),
    required("secondary_outcome.measure.required", E, kOutcomes,
             "secondary_outcome/outcome_measure", "Secondary Outcome Measure Title", R::AnyType, 0,
             Secondary::measure),
    limit("secondary_outcome.measure.length", W, kOutcomes, "secondary_outcome/outcome_measure",
          "Secondary Outcome Measure Title", Secondary::measure, 255),
    required("secondary_outcome.time_frame.required", W, kOutcomes,
             "secondary_outcome/outcome_time_frame", "Secondary Outcome Measure Time Frame",
             R::AnyType, 0, Secondary::timeFrame),
    limit("secondary_outcome.time_frame.length", W, kOutcomes,
          "secondary_outcome/outcome_time_frame", "Secondary Outcome Measure Time Frame",
          Secondary::timeFrame, 255),
    limit("secondary_outcome.description.length", E, kOutcomes,
          "secondary_outcome/outcome_description", "Secondary Outcome Measure Description",
          Secondary::description, 999),
    required("other_outcome.measure.required", E, kOutcomes, "other_outcome/outcome_measure",
             "Other Pre-specified Outcome Measure Title", R::AnyType, 0, Other::measure),
    limit("other_outcome.measure.length", W, kOutcomes, "other_outcome/outcome_measure",
          "Other Pre-specified Outcome Measure Title", Other::measure, 255),
    required("other_outcome.time_frame.required", W, kOutcomes, "other_outcome/outcome_time_frame",
             "Other Pre-specified Outcome Measure Time Frame", R::AnyType, 0, Other::timeFrame),
    limit("other_outcome.time_frame.length", W, kOutcomes, "other_outcome/outcome_time_frame",
          "Other Pre-specified Outcome Measure Time Frame", Other::timeFrame, 255),
    limit("other_outcome.description.length", E, kOutcomes, "other_outcome/outcome_description",
          "Other Pre-specified Outcome Measure Description", Other::description, 999),
    notCollected("outcome.expanded_access", kOutcomes, "primary_outcome", "Outcome Measure",
                 fields<Primary::measure, Secondary::measure, Other::measure>),

    // Eligibility
    required("criteria.required", W, kEligibility, "eligibility/criteria", "Eligibility Criteria",
             R::AnyType, Req, field<&S::eligibility, &Eligibility::criteria>),
    limit("criteria.length", E, kEligibility, "eligibility/criteria", "Eligibility Criteria",
          field<&S::eligibility, &Eligibility::criteria>, 20000),
    required("gender.required", W, kEligibility, "eligibility/gender", "Sex", R::AnyType, Req,
             field<&S::eligibility, &Eligibility::gender>),
    values("gender.value", kEligibility, "eligibility/gender", "Sex",
           field<&S::eligibility, &Eligibility::gender>, kSexes),
    values("gender_based.value", kEligibility, "eligibility/gender_based", "Gender Based",
           field<&S::eligibility, &Eligibility::gender_based>, kYesNo, Blind),
    required("gender_description.required", W, kEligibility, "eligibility/gender_description",
             "Gender Eligibility Description", R::AnyType, Req,
             field<&S::eligibility, &Eligibility::gender_description>, &C::genderBased,
             "when eligibility is based on gender"),
    limit("gender_description.length", E, kEligibility, "eligibility/gender_description",
          "Gender Eligibility Description",
          field<&S::eligibility, &Eligibility::gender_description>, 1000),
    required("minimum_age.required", W, kEligibility, "eligibility/minimum_age", "Minimum Age",
             R::AnyType, Req, field<&S::eligibility, &Eligibility::minimum_age>),
    form("minimum_age.form", E, kEligibility, "eligibility/minimum_age", "Minimum Age",
         field<&S::eligibility, &Eligibility::minimum_age>, &C::isAge,
         "a whole number and a unit (Years, Months, Weeks, Days, Hours, Minutes), or N/A"),
    required("maximum_age.required", W, kEligibility, "eligibility/maximum_age", "Maximum Age",
             R::AnyType, Req, field<&S::eligibility, &Eligibility::maximum_age>),
    form("maximum_age.form", E, kEligibility, "eligibility/maximum_age", "Maximum Age",
         field<&S::eligibility, &Eligibility::maximum_age>, &C::isAge,
         "a whole number and a unit (Years, Months, Weeks, Days, Hours, Minutes), or N/A"),
    custom("minimum_age.order", W, kEligibility, "eligibility/minimum_age", "Minimum Age",
           R::AnyType, 0, &RecordChecks::agesInOrder),
    required("healthy_volunteers.required", W, kEligibility, "eligibility/healthy_volunteers",
             "Accepts Healthy Volunteers", R::Interventional, Req,
             field<&S::eligibility, &Eligibility::healthy_volunteers>),
    values("healthy_volunteers.value", kEligibility, "eligibility/healthy_volunteers",
           "Accepts Healthy Volunteers", field<&S::eligibility, &Eligibility::healthy_volunteers>,
           kYesNo, Blind),
    notCollected("healthy_volunteers.expanded_access", kEligibility,
                 "eligibility/healthy_volunteers", "Accepts Healthy Volunteers",
                 field<&S::eligibility, &Eligibility::healthy_volunteers>),
    required("study_population.required", E, kEligibility, "eligibility/study_population",
             "Study Population Description", R::Observational, Req,
             field<&S::eligibility, &Eligibility::study_population>),
    limit("study_population.length", E, kEligibility, "eligibility/study_population",
          "Study Population Description", field<&S::eligibility, &Eligibility::study_population>,
          1000),
    onlyWhen("study_population.type", E, kEligibility, "eligibility/study_population",
             "Study Population Description", field<&S::eligibility, &Eligibility::study_population>,
             &C::observationalAllowed, "for Observational studies"),
    required("sampling_method.required", E, kEligibility, "eligibility/sampling_method",
             "Sampling Method", R::Observational, Req,
             field<&S::eligibility, &Eligibility::sampling_method>),
    values("sampling_method.value", kEligibility, "eligibility/sampling_method", "Sampling Method",
           field<&S::eligibility, &Eligibility::sampling_method>, kSamplingMethods),
    onlyWhen("sampling_method.type", E, kEligibility, "eligibility/sampling_method",
             "Sampling Method", field<&S::eligibility, &Eligibility::sampling_method>,
             &C::observationalAllowed, "for Observational studies"),

    // Contacts, Locations and Investigators
    custom("overall_contact.required", W, kContacts, "overall_contact", "Central Contact Person",
           R::AnyType, Req, &RecordChecks::centralContactGiven),
    required("overall_contact.last_name.required", E, kContacts, "overall_contact/last_name",
             "Central Contact Last Name", R::AnyType, 0,
             field<&S::overall_contact, &Contact::last_name>, &C::centralContactGiven,
             "for a central contact"),
    required("overall_contact.phone.required", W, kContacts, "overall_contact/phone",
             "Central Contact Phone", R::AnyType, Req, field<&S::overall_contact, &Contact::phone>,
             &C::centralContactGiven, "for a central contact"),
    required("overall_contact.email.required", W, kContacts, "overall_contact/email",
             "Central Contact Email", R::AnyType, Req, field<&S::overall_contact, &Contact::email>,
             &C::centralContactGiven, "for a central contact"),
    required("overall_contact_backup.last_name.required", E, kContacts,
             "overall_contact_backup/last_name", "Central Contact Backup Last Name", R::AnyType, 0,
             field<&S::overall_contact_backup, &Contact::last_name>, &C::backupContactGiven,
             "for a central contact backup"),
    required("overall_official.last_name.required", E, kContacts, "overall_official/last_name",
             "Overall Study Official Last Name", R::AnyType, 0,
             items<Officials, In<&Official::last_name>>),
    limit("overall_official.affiliation.length", E, kContacts, "overall_official/affiliation",
          "Overall Study Official Affiliation", items<Officials, In<&Official::affiliation>>, 160),
    values("overall_official.role.value", kContacts, "overall_official/role",
           "Overall Study Official Role", items<Officials, In<&Official::role>>, kOfficialRoles),
    required("location.facility.name.required", E, kContacts, "location/facility/name",
             "Facility Name", R::AnyType, 0,
             items<Locations, In<&Location::facility, &Facility::name>>),
    limit("location.facility.name.length", E, kContacts, "location/facility/name", "Facility Name",
          items<Locations, In<&Location::facility, &Facility::name>>, 254),
    required("location.city.required", W, kContacts, "location/facility/address/city", "City",
             R::AnyType, 0,
             items<Locations, In<&Location::facility, &Facility::address, &Address::city>>),
    required("location.country.required", W, kContacts, "location/facility/address/country",
             "Country", R::AnyType, 0,
             items<Locations, In<&Location::facility, &Facility::address, &Address::country>>),
    custom("location.state.required", E, kContacts, "location/facility/address/state",
           "State/Province", R::AnyType, 0, &RecordChecks::unitedStatesAddress<&Address::state>),
    custom("location.zip.required", W, kContacts, "location/facility/address/zip",
           "ZIP/Postal Code", R::AnyType, 0, &RecordChecks::unitedStatesAddress<&Address::zip>),
    values("location.status.value", kContacts, "location/status", "Individual Site Status",
           items<Locations, In<&Location::status>>, kSiteStatuses),

    // IPD Sharing Statement
    values("sharing_ipd.value", kIpd, "ipd_sharing_statement/sharing_ipd", "Plan to Share IPD",
           ipdField<&Ipd::sharing_ipd>, kYesNoUndecided, Blind),
    onlyWhen("ipd_description.unused", E, kIpd, "ipd_sharing_statement/ipd_description",
             "Plan Description", ipdField<&Ipd::ipd_description>, &C::sharingAnswered,
             "with a Plan to Share IPD"),
    limit("ipd_description.length", E, kIpd, "ipd_sharing_statement/ipd_description",
          "Plan Description", ipdField<&Ipd::ipd_description>, 1000),
    onlyWhen("ipd_details.unused", E, kIpd, "ipd_sharing_statement", "IPD sharing details",
             fields<ipdField<&Ipd::ipd_info_type_protocol>, ipdField<&Ipd::ipd_info_type_sap>,
                    ipdField<&Ipd::ipd_info_type_icf>, ipdField<&Ipd::ipd_info_type_csr>,
                    ipdField<&Ipd::ipd_info_type_analytic_code>, ipdField<&Ipd::ipd_time_frame>,
                    ipdField<&Ipd::ipd_access_criteria>, ipdField<&Ipd::ipd_url>>,
             &C::sharingAllowed, "when the plan is to share IPD"),
    values("ipd_info_type.value", kIpd, "ipd_sharing_statement/ipd_info_type_protocol",
           "Supporting Information Type",
           fields<ipdField<&Ipd::ipd_info_type_protocol>, ipdField<&Ipd::ipd_info_type_sap>,
                  ipdField<&Ipd::ipd_info_type_icf>, ipdField<&Ipd::ipd_info_type_csr>,
                  ipdField<&Ipd::ipd_info_type_analytic_code>>,
           kFlags, Blind),
    limit("ipd_time_frame.length", E, kIpd, "ipd_sharing_statement/ipd_time_frame",
          "IPD Sharing Time Frame", ipdField<&Ipd::ipd_time_frame>, 1000),
    limit("ipd_access_criteria.length", E, kIpd, "ipd_sharing_statement/ipd_access_criteria",
          "IPD Sharing Access Criteria", ipdField<&Ipd::ipd_access_criteria>, 1000),
    limit("ipd_url.length", E, kIpd, "ipd_sharing_statement/ipd_url", "IPD Sharing URL",
          ipdField<&Ipd::ipd_url>, 3999),

    // References, Links, Available IPD/Information
    form("reference.pubmed_id.form", E, kReferences, "reference/pubmed_id", "PubMed Identifier",
         items<In<&S::reference>, In<&Reference::pubmed_id>>, &C::isWholeNumber, "a number"),
    values("reference.is_results_ref.value", kReferences, "reference/is_results_ref",
           "Results Reference", items<In<&S::reference>, In<&Reference::is_results_ref>>, kYesNo,
           Blind),
    required("link.url.required", E, kReferences, "link/url", "Link URL", R::AnyType, 0,
             items<Links, In<&Link::url>>),
    limit("link.url.length", E, kReferences, "link/url", "Link URL", items<Links, In<&Link::url>>,
          3999),
    form("link.url.form", E, kReferences, "link/url", "Link URL", items<Links, In<&Link::url>>,
         &C::isWebAddress, "a complete address beginning with http:// or https://"),
    required("link.description.required", E, kReferences, "link/description", "Link Description",
             R::AnyType, 0, items<Links, In<&Link::description>>),
    limit("link.description.length", W, kReferences, "link/description", "Link Description",
          items<Links, In<&Link::description>>, 254),
    required("study_document.type.required", E, kReferences, "study_document/study_document_type",
             "Available IPD/Information Type", R::AnyType, 0,
             items<Documents, In<&StudyDocument::study_document_type>>),
    values("study_document.type.value", kReferences, "study_document/study_document_type",
           "Available IPD/Information Type",
           items<Documents, In<&StudyDocument::study_document_type>>, kDocumentTypes),
    custom("study_document.other_type.unused", E, kReferences,
           "study_document/study_document_other_type", "Available IPD/Information Other Type",
           R::AnyType, 0, &RecordChecks::otherDocumentType),
    limit("study_document.url.length", W, kReferences, "study_document/url",
          "Available IPD/Information URL", items<Documents, In<&StudyDocument::url>>, 3999),
    limit("study_document.comments.length", W, kReferences,
          "study_document/study_document_comments", "Available IPD/Information Comments",
          items<Documents, In<&StudyDocument::study_document_comments>>, 1000),
};

} // namespace

std::span<const RegistryRule> RegistryRules::table() {
    return kRules;
}

const RegistryRule* RegistryRules::find(std::string_view id) {
    const auto found = std::find_if(std::begin(kRules), std::end(kRules),
                                    [&](const RegistryRule& rule) { return rule.id == id; });
    return found == std::end(kRules) ? nullptr : &*found;
}

void RegistryRules::checkInto(const StudyRecord& record, const RuleContext& context,
                              std::vector<RuleFinding>& findings) {
    RuleRun run(record, context, findings);
    for (const RegistryRule& rule : kRules) {
        if (rule.check && run.applies(rule))
            rule.check(rule, run);
    }
}

std::vector<RuleFinding> RegistryRules::check(const StudyRecord& record,
                                              const RuleContext& context) {
    std::vector<RuleFinding> findings;
    checkInto(record, context, findings);
    return findings;
}

std::vector<RuleFinding> RegistryRules::check(const StudyCollection& collection,
                                              const RuleContext& context) {
    std::vector<RuleFinding> findings;
    for (std::size_t index = 0; index < collection.records.size(); ++index) {
        const std::size_t first = findings.size();
        checkInto(*collection.records[index], context, findings);
        for (std::size_t i = first; i < findings.size(); ++i)
            findings[i].record = index;
    }
    for (const RegistryRule& rule : kRules) {
        if (rule.collectionCheck)
            rule.collectionCheck(rule, collection, findings);
    }
    return findings;
}
