#include "model/RegistryRules.h"

#include "model/StudyCollection.h"
#include "model/StudyRecord.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

namespace {

using S = StudyRecord;

const RuleContext kToday{CalendarDate::ofDay(2026, 6, 15)};

// `count` characters of two bytes each: a limit counted in bytes would fail at half of it.
std::string chars(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += "\xC3\xA9";
    return text;
}

InterventionalDesign& idesign(S& r) {
    return r.study_design.interventional_design;
}
ObservationalDesign& odesign(S& r) {
    return r.study_design.observational_design;
}
ArmGroup& arm(S& r, std::size_t i) {
    return *r.arm_group[i];
}
Intervention& intervention(S& r) {
    return *r.intervention.front();
}
Location& site(S& r) {
    return *r.location.front();
}
IpdSharingStatement& ipd(S& r) {
    return r.ipd_sharing_statement;
}
IrbInfo& board(S& r) {
    return r.oversight_info.irb_info;
}

ArmGroup& addArm(S& r, const std::string& label, const std::string& type) {
    ArmGroup& added = appendNew(r.arm_group);
    added.arm_group_label = label;
    added.arm_type = type;
    return added;
}

SecondaryId& addSecondaryId(S& r, const std::string& type, const std::string& domain) {
    SecondaryId& id = appendNew(r.id_info.secondary_id);
    id.id = "1";
    id.id_type = type;
    id.id_domain = domain;
    return id;
}

Outcome& addOutcome(OwningList<Outcome>& list) {
    Outcome& outcome = appendNew(list);
    outcome.outcome_measure = "Thirst";
    outcome.outcome_time_frame = "1 day";
    return outcome;
}

Official& addOfficial(S& r) {
    Official& official = appendNew(r.overall_official);
    official.last_name = "Ode";
    official.role = "Study Chair";
    return official;
}

Link& addLink(S& r) {
    Link& link = appendNew(r.link);
    link.url = "https://example.org";
    link.description = "Site";
    return link;
}

StudyDocument& addDocument(S& r) {
    StudyDocument& document = appendNew(r.study_document);
    document.study_document_type = "Study Protocol";
    return document;
}

void setUnitedStates(S& r) {
    Address& address = site(r).facility.address;
    address.country = "USA";
    address.state = "UT";
    address.zip = "84101";
}

void setStatus(S& r, const std::string& status) {
    r.overall_status.setText(status);
}

// An interventional study that breaks no rule on kToday.
void fillInterventional(S& r) {
    r.id_info.org_name = "HCI";
    r.id_info.org_study_id = "HCI-1";
    r.brief_title.setText("Tea");
    r.official_title.setText("Tea for all");
    r.verification_date = "2026-05";
    setStatus(r, "Recruiting");
    r.start_date.setText("2026-01-10");
    r.start_date_type.setText("Actual");
    r.primary_compl_date.setText("2027-01");
    r.primary_compl_date_type.setText("Anticipated");
    r.last_follow_up_date.setText("2027-06");
    r.last_follow_up_date_type.setText("Anticipated");
    r.sponsors.resp_party.resp_party_type = "Sponsor";
    r.sponsors.lead_sponsor.agency = "HCI";
    r.oversight_info.fda_regulated_drug = "No";
    r.oversight_info.fda_regulated_device = "No";
    board(r).approval_status = "Not required";
    r.brief_summary.setText("Tea.");
    r.condition.emplace_back("Thirst");
    r.study_design.study_type.setText("Interventional");
    idesign(r).interventional_subtype = "Treatment";
    idesign(r).phase = "Phase 2";
    idesign(r).allocation = "Randomized";
    idesign(r).assignment = "Parallel Assignment";
    idesign(r).number_of_arms = "2";
    idesign(r).no_masking = "true";
    r.enrollment.setText("10");
    r.enrollment_type.setText("Anticipated");
    addArm(r, "Tea", "Experimental");
    addArm(r, "Water", "Placebo Comparator");
    Intervention& tea = appendNew(r.intervention);
    tea.intervention_type = "Drug";
    tea.intervention_name = "Tea";
    tea.intervention_description.setText("Hot tea");
    tea.arm_group_label.push_back("Tea");
    addOutcome(r.primary_outcome);
    r.eligibility.criteria.setText("Adults");
    r.eligibility.gender = "All";
    r.eligibility.minimum_age = "18 Years";
    r.eligibility.maximum_age = "N/A";
    r.eligibility.healthy_volunteers = "No";
    r.overall_contact.last_name = "Ng";
    r.overall_contact.phone = "555";
    r.overall_contact.email = "ng@example.org";
    Location& location = appendNew(r.location);
    location.facility.name = "Clinic";
    location.facility.address.city = "Oslo";
    location.facility.address.country = "Norway";
    location.status = "Recruiting";
}

void fillObservational(S& r) {
    fillInterventional(r);
    r.study_design.study_type.setText("Observational");
    idesign(r) = InterventionalDesign();
    odesign(r).observational_study_design = "Cohort";
    odesign(r).timing = "Prospective";
    odesign(r).biospecimen_retention = "None Retained";
    odesign(r).number_of_groups = "2";
    for (const auto& group : r.arm_group)
        group->arm_type.clear();
    r.eligibility.study_population.setText("Adults");
    r.eligibility.sampling_method = "Probability Sample";
}

void fillExpandedAccess(S& r) {
    fillInterventional(r);
    r.study_design.study_type.setText("Expanded Access");
    idesign(r) = InterventionalDesign();
    r.expanded_access_status.setText("Available");
    for (FieldValue* gone :
         {&r.overall_status, &r.start_date, &r.start_date_type, &r.primary_compl_date,
          &r.primary_compl_date_type, &r.last_follow_up_date, &r.last_follow_up_date_type,
          &r.enrollment, &r.enrollment_type})
        gone->setText("");
    r.arm_group.clear();
    r.intervention.front()->arm_group_label.clear();
    r.primary_outcome.clear();
    r.eligibility.healthy_volunteers.clear();
    r.study_design.exp_acc_type_individual = "Yes";
    site(r).status = "Available";
}

using Fill = void (*)(S&);
using Mutation = void (*)(S&);

constexpr Fill Int = &fillInterventional;
constexpr Fill Obs = &fillObservational;
constexpr Fill EA = &fillExpandedAccess;

// A rule, the clean record its case starts from, what breaks the rule and
// the nearest change that keeps it (null: the clean record as it is).
struct RuleCase {
    std::string_view rule;
    Fill base;
    Mutation breaks;
    Mutation passes;
};

const RuleCase kCases[] = {
    // Study Identification
    {"org_name.required", Int, [](S& r) { r.id_info.org_name = " "; },
     [](S& r) { r.id_info.org_name = "X"; }},
    {"org_study_id.required", Int, [](S& r) { r.id_info.org_study_id = ""; },
     [](S& r) { r.id_info.org_study_id = "A"; }},
    {"org_study_id.length", Int, [](S& r) { r.id_info.org_study_id = chars(31); },
     [](S& r) { r.id_info.org_study_id = chars(30); }},
    // The second record of the collection is HCI-2 of HCI.
    {"org_study_id.unique", Int, [](S& r) { r.id_info.org_study_id = "HCI-2"; },
     [](S& r) {
         r.id_info.org_name = "Other";
         r.id_info.org_study_id = "HCI-2";
     }},
    {"secondary_id.id.required", Int, [](S& r) { addSecondaryId(r, "EudraCT Number", "").id = ""; },
     [](S& r) { addSecondaryId(r, "EudraCT Number", "").id = "2020-1"; }},
    {"secondary_id.id.length", Int,
     [](S& r) { addSecondaryId(r, "EudraCT Number", "").id = chars(31); },
     [](S& r) { addSecondaryId(r, "EudraCT Number", "").id = chars(30); }},
    {"secondary_id.id_type.required", Int, [](S& r) { addSecondaryId(r, "", ""); },
     [](S& r) { addSecondaryId(r, "EudraCT Number", ""); }},
    {"secondary_id.id_type.value", Int, [](S& r) { addSecondaryId(r, "US NIH Grant Number", ""); },
     [](S& r) { addSecondaryId(r, "NIH Grant Number", ""); }},
    {"secondary_id.id_domain.required", Int,
     [](S& r) { addSecondaryId(r, "Registry Identifier", " "); },
     [](S& r) { addSecondaryId(r, "Registry Identifier", "ISRCTN"); }},
    {"secondary_id.id_domain.unused", Int,
     [](S& r) { addSecondaryId(r, "NIH Grant Number", "NIH"); },
     [](S& r) { addSecondaryId(r, "Other Grant/Funding Number", "NIH"); }},
    {"brief_title.required", Int, [](S& r) { r.brief_title.setText(""); },
     [](S& r) { r.brief_title.setText("T"); }},
    {"brief_title.length", Int, [](S& r) { r.brief_title.setText(chars(301)); },
     [](S& r) { r.brief_title.setText(chars(300)); }},
    {"acronym.length", Int, [](S& r) { r.acronym = chars(15); },
     [](S& r) { r.acronym = chars(14); }},
    {"official_title.required", Int, [](S& r) { r.official_title.setText(""); },
     [](S& r) {
         r.official_title.setText("");
         r.start_date.setText("2017-01-17");
     }},
    {"official_title.length", Int, [](S& r) { r.official_title.setText(chars(601)); },
     [](S& r) { r.official_title.setText(chars(600)); }},
    {"delete.partial_upload", Int, [](S& r) { r.brief_summary.setDeleteFlag(true); },
     [](S& r) {
         r.brief_summary.setDeleteFlag(true);
         r.partial_upload = "true";
     }},

    // Study Status
    {"verification_date.required", Int, [](S& r) { r.verification_date = ""; },
     [](S& r) { r.verification_date = "2026-06"; }},
    {"verification_date.form", Int, [](S& r) { r.verification_date = "2026-13"; },
     [](S& r) { r.verification_date = "2026-12"; }},
    {"verification_date.future", Int, [](S& r) { r.verification_date = "2026-07"; },
     [](S& r) { r.verification_date = "2026-06"; }},
    {"verification_date.current", Int, [](S& r) { r.verification_date = "2025-05"; },
     [](S& r) { r.verification_date = "2025-06"; }},
    {"overall_status.required", Int, [](S& r) { setStatus(r, ""); },
     [](S& r) { setStatus(r, "Recruiting"); }},
    {"overall_status.value", Int, [](S& r) { setStatus(r, "Active"); },
     [](S& r) { setStatus(r, "Enrolling by invitation"); }},
    {"overall_status.recruiting_sites", Int, [](S& r) { setStatus(r, "Not yet recruiting"); },
     [](S& r) {
         setStatus(r, "Not yet recruiting");
         site(r).status = "Not yet recruiting";
     }},
    {"why_stopped.required", Int, [](S& r) { setStatus(r, "Terminated"); },
     [](S& r) {
         setStatus(r, "Terminated");
         r.why_stopped.setText("Funding");
     }},
    {"why_stopped.length", Int, [](S& r) { r.why_stopped.setText(chars(251)); },
     [](S& r) { r.why_stopped.setText(chars(250)); }},
    {"expanded_access_status.required", EA, [](S& r) { r.expanded_access_status.setText(""); },
     [](S& r) { r.expanded_access_status.setText("Approved for marketing"); }},
    {"expanded_access_status.value", EA,
     [](S& r) { r.expanded_access_status.setText("Recruiting"); },
     [](S& r) { r.expanded_access_status.setText("Temporarily not available"); }},
    {"start_date.required", Int, [](S& r) { r.start_date.setText(""); },
     [](S& r) { r.start_date.setText("2026-01"); }},
    {"start_date.form", Int, [](S& r) { r.start_date.setText("2026-02-29"); },
     [](S& r) { r.start_date.setText("2024-02-29"); }},
    {"start_date_type.required", Int, [](S& r) { r.start_date_type.setText(""); },
     [](S& r) { r.start_date_type.setText("Actual"); }},
    {"start_date_type.value", Int, [](S& r) { r.start_date_type.setText("actual"); },
     [](S& r) { r.start_date_type.setText("Actual"); }},
    {"start_date.actual_future", Int, [](S& r) { r.start_date.setText("2026-06-16"); },
     [](S& r) { r.start_date.setText("2026-06-15"); }},
    {"start_date.anticipated_past", Int,
     [](S& r) {
         r.start_date.setText("2026-06-14");
         r.start_date_type.setText("Anticipated");
     },
     [](S& r) {
         r.start_date.setText("2026-06");
         r.start_date_type.setText("Anticipated");
     }},
    {"primary_compl_date.required", Int, [](S& r) { r.primary_compl_date.setText(""); },
     [](S& r) { r.primary_compl_date.setText("2027-01"); }},
    {"primary_compl_date.form", Int, [](S& r) { r.primary_compl_date.setText("27-01"); },
     [](S& r) { r.primary_compl_date.setText("2027-01-31"); }},
    {"primary_compl_date_type.required", Int, [](S& r) { r.primary_compl_date_type.setText(""); },
     [](S& r) { r.primary_compl_date_type.setText("Anticipated"); }},
    {"primary_compl_date_type.value", Int,
     [](S& r) { r.primary_compl_date_type.setText("Estimated"); },
     [](S& r) { r.primary_compl_date_type.setText("Anticipated"); }},
    {"primary_compl_date.actual_future", Int,
     [](S& r) { r.primary_compl_date_type.setText("Actual"); },
     [](S& r) {
         r.primary_compl_date_type.setText("Actual");
         r.primary_compl_date.setText("2026-06");
     }},
    {"primary_compl_date.anticipated_past", Int,
     [](S& r) { r.primary_compl_date.setText("2026-05"); },
     [](S& r) { r.primary_compl_date.setText("2026-06-15"); }},
    {"primary_compl_date.order", Int, [](S& r) { r.primary_compl_date.setText("2025-12"); },
     [](S& r) { r.primary_compl_date.setText("2026-01"); }},
    {"last_follow_up_date.required", Int, [](S& r) { r.last_follow_up_date.setText(""); },
     [](S& r) { r.last_follow_up_date.setText("2027-06"); }},
    {"last_follow_up_date.form", Int, [](S& r) { r.last_follow_up_date.setText("2027-00"); },
     [](S& r) { r.last_follow_up_date.setText("2100-12"); }},
    {"last_follow_up_date_type.required", Int, [](S& r) { r.last_follow_up_date_type.setText(""); },
     [](S& r) { r.last_follow_up_date_type.setText("Anticipated"); }},
    {"last_follow_up_date_type.value", Int,
     [](S& r) { r.last_follow_up_date_type.setText("Planned"); },
     [](S& r) { r.last_follow_up_date_type.setText("Anticipated"); }},
    {"last_follow_up_date.actual_future", Int,
     [](S& r) { r.last_follow_up_date_type.setText("Actual"); },
     [](S& r) {
         r.last_follow_up_date_type.setText("Actual");
         r.last_follow_up_date.setText("2026-06-01");
     }},
    {"last_follow_up_date.anticipated_past", Int,
     [](S& r) { r.last_follow_up_date.setText("2026-05-31"); },
     [](S& r) { r.last_follow_up_date.setText("2026-06-20"); }},
    {"last_follow_up_date.order", Int, [](S& r) { r.last_follow_up_date.setText("2026-12"); },
     [](S& r) { r.last_follow_up_date.setText("2027-01-31"); }},
    {"end_date.form", Int, [](S& r) { r.end_date = "June 2027"; },
     [](S& r) { r.end_date = "2027-06"; }},
    {"overall_status.expanded_access", EA, [](S& r) { r.why_stopped.setText("Funding"); }, nullptr},
    {"start_date.expanded_access", EA, [](S& r) { r.start_date_type.setText("Actual"); }, nullptr},
    {"primary_compl_date.expanded_access", EA,
     [](S& r) { r.primary_compl_date.setText("2027-01"); }, nullptr},
    {"last_follow_up_date.expanded_access", EA,
     [](S& r) { r.last_follow_up_date_type.setText("Anticipated"); }, nullptr},

    // Sponsor/Collaborators
    {"resp_party.required", Int, [](S& r) { r.sponsors.resp_party = ResponsibleParty(); },
     [](S& r) { r.sponsors.resp_party.resp_party_type = "Sponsor"; }},
    {"resp_party_type.required", Int,
     [](S& r) {
         r.sponsors.resp_party.resp_party_type = "";
         r.sponsors.resp_party.organization = "HCI";
     },
     [](S& r) { r.sponsors.resp_party.resp_party_type = ""; }},
    {"resp_party_type.value", Int,
     [](S& r) { r.sponsors.resp_party.resp_party_type = "Sponsor Investigator"; },
     [](S& r) { r.sponsors.resp_party.resp_party_type = "Sponsor-Investigator"; }},
    {"resp_party.investigator.unused", Int,
     [](S& r) { r.sponsors.resp_party.investigator_title = "Dr"; },
     [](S& r) {
         r.sponsors.resp_party.resp_party_type = "Principal Investigator";
         r.sponsors.resp_party.investigator_title = "Dr";
     }},
    {"investigator_username.required", Int,
     [](S& r) { r.sponsors.resp_party.resp_party_type = "Sponsor-Investigator"; },
     [](S& r) {
         r.sponsors.resp_party.resp_party_type = "Sponsor-Investigator";
         r.sponsors.resp_party.investigator_username = "ada";
     }},
    {"investigator_title.required", Int,
     [](S& r) { r.sponsors.resp_party.resp_party_type = "Principal Investigator"; },
     [](S& r) {
         r.sponsors.resp_party.resp_party_type = "Principal Investigator";
         r.sponsors.resp_party.investigator_title = "Dr";
     }},
    {"investigator_affiliation.required", Int,
     [](S& r) { r.sponsors.resp_party.resp_party_type = "Principal Investigator"; },
     [](S& r) { r.sponsors.resp_party.resp_party_type = "Sponsor-Investigator"; }},
    {"lead_sponsor.required", Int, [](S& r) { r.sponsors.lead_sponsor.agency = ""; },
     [](S& r) { r.sponsors.lead_sponsor.agency = "X"; }},
    {"lead_sponsor.length", Int, [](S& r) { r.sponsors.lead_sponsor.agency = chars(161); },
     [](S& r) { r.sponsors.lead_sponsor.agency = chars(160); }},
    {"collaborator.required", Int, [](S& r) { appendNew(r.sponsors.collaborator).agency = ""; },
     [](S& r) { appendNew(r.sponsors.collaborator).agency = "Y"; }},
    {"collaborator.length", Int,
     [](S& r) { appendNew(r.sponsors.collaborator).agency = chars(161); },
     [](S& r) { appendNew(r.sponsors.collaborator).agency = chars(160); }},

    // Oversight
    {"fda_regulated_drug.required", Int, [](S& r) { r.oversight_info.fda_regulated_drug = ""; },
     [](S& r) {
         r.oversight_info.fda_regulated_drug = "";
         r.start_date.setText("2016-12-31");
     }},
    {"fda_regulated_drug.value", Int, [](S& r) { r.oversight_info.fda_regulated_drug = "Maybe"; },
     [](S& r) { r.oversight_info.fda_regulated_drug = "yes"; }},
    {"fda_regulated_device.required", Int, [](S& r) { r.oversight_info.fda_regulated_device = ""; },
     [](S& r) {
         r.oversight_info.fda_regulated_device = "";
         r.start_date.setText("2016-12");
     }},
    {"fda_regulated_device.value", Int, [](S& r) { r.oversight_info.fda_regulated_device = "N"; },
     [](S& r) { r.oversight_info.fda_regulated_device = "NO"; }},
    {"delayed_posting.required", Int, [](S& r) { r.oversight_info.fda_regulated_device = "Yes"; },
     [](S& r) {
         r.oversight_info.fda_regulated_device = "Yes";
         r.delayed_posting.setText("No");
     }},
    {"delayed_posting.value", Int, [](S& r) { r.delayed_posting.setText("Maybe"); },
     [](S& r) { r.delayed_posting.setText("None"); }},
    {"post_prior_to_approval.unused", Int,
     [](S& r) {
         r.delayed_posting.setText("No");
         r.oversight_info.post_prior_to_approval = "Yes";
     },
     [](S& r) {
         r.delayed_posting.setText("Yes");
         r.oversight_info.post_prior_to_approval = "Yes";
     }},
    {"post_prior_to_approval.value", Int,
     [](S& r) { r.oversight_info.post_prior_to_approval = "Perhaps"; },
     [](S& r) { r.oversight_info.post_prior_to_approval = "None"; }},
    {"ped_postmarket_surv.unused", Int, [](S& r) { r.oversight_info.ped_postmarket_surv = "Yes"; },
     [](S& r) {
         r.oversight_info.fda_regulated_device = "Yes";
         r.oversight_info.ped_postmarket_surv = "Yes";
     }},
    {"ped_postmarket_surv.value", Int, [](S& r) { r.oversight_info.ped_postmarket_surv = "x"; },
     [](S& r) { r.oversight_info.ped_postmarket_surv = "No"; }},
    {"exported_from_us.required", Int,
     [](S& r) {
         r.oversight_info.fda_regulated_drug = "Yes";
         r.is_ind_study.setText("No");
     },
     [](S& r) {
         r.oversight_info.fda_regulated_drug = "Yes";
         r.is_ind_study.setText("No");
         site(r).facility.address.country = "United States";
     }},
    {"exported_from_us.value", Int, [](S& r) { r.oversight_info.exported_from_us = "Y"; },
     [](S& r) { r.oversight_info.exported_from_us = "Yes"; }},
    {"is_ind_study.required", Int, [](S& r) { r.oversight_info.fda_regulated_drug = "Yes"; },
     [](S& r) {
         r.oversight_info.fda_regulated_drug = "Yes";
         r.is_ind_study.setText("No");
     }},
    {"is_ind_study.value", Int, [](S& r) { r.is_ind_study.setText("Unknown"); },
     [](S& r) { r.is_ind_study.setText("yes"); }},
    {"ind_grantor.required", Int,
     [](S& r) {
         r.is_ind_study.setText("Yes");
         r.ind_info.ind_number = "1";
     },
     [](S& r) {
         r.is_ind_study.setText("Yes");
         r.ind_info.ind_number = "1";
         r.ind_info.ind_grantor = "CDER";
     }},
    {"ind_grantor.value", Int, [](S& r) { r.ind_info.ind_grantor = "FDA"; },
     [](S& r) { r.ind_info.ind_grantor = "CBER"; }},
    {"ind_number.required", Int,
     [](S& r) {
         r.is_ind_study.setText("Yes");
         r.ind_info.ind_grantor = "CDER";
     },
     [](S& r) {
         r.is_ind_study.setText("Yes");
         r.ind_info.ind_grantor = "CDER";
         r.ind_info.ind_number = "1";
     }},
    {"ind_info.unused", Int,
     [](S& r) {
         r.is_ind_study.setText("No");
         r.ind_info.ind_number = "123";
     },
     [](S& r) { r.ind_info.ind_number = "123"; }},
    {"has_expanded_access.required", Int,
     [](S& r) {
         r.oversight_info.fda_regulated_drug = "Yes";
         r.is_ind_study.setText("Yes");
     },
     [](S& r) {
         r.oversight_info.fda_regulated_drug = "Yes";
         r.is_ind_study.setText("Yes");
         r.ind_info.has_expanded_access = "unknown";
     }},
    {"has_expanded_access.value", Int, [](S& r) { r.ind_info.has_expanded_access = "Maybe"; },
     [](S& r) { r.ind_info.has_expanded_access = "UNKNOWN"; }},
    {"expanded_access_nct_id.form", Int,
     [](S& r) { r.ind_info.expanded_access_nct_id = "NCT1234567"; },
     [](S& r) { r.ind_info.expanded_access_nct_id = "NCT12345678"; }},
    {"expanded_access_nct_id.unused", Int,
     [](S& r) {
         r.ind_info.has_expanded_access = "no";
         r.ind_info.expanded_access_nct_id = "NCT12345678";
     },
     [](S& r) {
         r.ind_info.has_expanded_access = "yes";
         r.ind_info.expanded_access_nct_id = "NCT12345678";
     }},
    {"approval_status.required", Int, [](S& r) { board(r).approval_status = ""; },
     [](S& r) { board(r).approval_status = "Not yet submitted"; }},
    {"approval_status.value", Int, [](S& r) { board(r).approval_status = "Submitted, approved"; },
     [](S& r) { board(r).approval_status = "Approved"; }},
    {"approval_number.required", Int, [](S& r) { board(r).approval_status = "Approved"; },
     [](S& r) {
         board(r).approval_status = "Approved";
         board(r).approval_number = "A1";
     }},
    {"irb_info.name.required", Int, [](S& r) { board(r).approval_status = "Pending"; },
     [](S& r) {
         board(r).approval_status = "Pending";
         board(r).name = "Board";
     }},
    {"irb_info.affiliation.required", Int, [](S& r) { board(r).approval_status = "Denied"; },
     [](S& r) {
         board(r).approval_status = "Denied";
         board(r).affiliation = "HCI";
     }},
    {"irb_info.phone.required", Int, [](S& r) { board(r).approval_status = "Exempt"; },
     [](S& r) {
         board(r).approval_status = "Exempt";
         board(r).phone = "555";
     }},
    {"irb_info.email.required", Int, [](S& r) { board(r).approval_status = "Exempt"; },
     [](S& r) {
         board(r).approval_status = "Exempt";
         board(r).email = "b@example.org";
     }},
    {"irb_info.full_address.required", Int, [](S& r) { board(r).approval_status = "Exempt"; },
     [](S& r) {
         board(r).approval_status = "Exempt";
         board(r).full_address = "Oslo";
     }},
    {"has_dmc.value", Int, [](S& r) { r.oversight_info.has_dmc = "Maybe"; },
     [](S& r) { r.oversight_info.has_dmc = "no"; }},

    // Study Description
    {"brief_summary.required", Int, [](S& r) { r.brief_summary.setText(" "); },
     [](S& r) { r.brief_summary.setText("S"); }},
    // A line break counts as one character.
    {"brief_summary.length", Int, [](S& r) { r.brief_summary.setText(chars(5001)); },
     [](S& r) { r.brief_summary.setText(chars(4999) + "\r\n"); }},
    {"detailed_description.length", Int, [](S& r) { r.detailed_description.setText(chars(32001)); },
     [](S& r) { r.detailed_description.setText(chars(32000)); }},

    // Conditions
    {"condition.required", Int, [](S& r) { r.condition.assign(1, FieldValue(" ")); },
     [](S& r) {
         r.condition.assign(1, FieldValue(" "));
         r.condition.emplace_back("Thirst");
     }},

    // Study Design
    {"study_type.required", Int, [](S& r) { r.study_design.study_type.setText(""); }, nullptr},
    {"study_type.value", Int, [](S& r) { r.study_design.study_type.setText("interventional"); },
     nullptr},
    {"interventional_design.type", Int,
     [](S& r) { r.study_design.study_type.setText("Observational"); },
     [](S& r) {
         r.study_design.study_type.setText("Observational");
         idesign(r) = InterventionalDesign();
     }},
    {"observational_design.type", Int, [](S& r) { odesign(r).timing = "Prospective"; },
     [](S& r) {
         odesign(r).timing = "Prospective";
         r.study_design.study_type.setText("");
     }},
    {"interventional_subtype.required", Int, [](S& r) { idesign(r).interventional_subtype = ""; },
     [](S& r) { idesign(r).interventional_subtype = "Device Feasibility"; }},
    {"interventional_subtype.value", Int,
     [](S& r) { idesign(r).interventional_subtype = "Basic science"; },
     [](S& r) { idesign(r).interventional_subtype = "Basic Science"; }},
    {"phase.required", Int, [](S& r) { idesign(r).phase = ""; },
     [](S& r) { idesign(r).phase = "Early Phase 1"; }},
    {"phase.value", Int, [](S& r) { idesign(r).phase = "Phase 5"; },
     [](S& r) { idesign(r).phase = "Phase 0"; }},
    {"allocation.required", Int, [](S& r) { idesign(r).allocation = ""; },
     [](S& r) { idesign(r).allocation = "N/A"; }},
    {"allocation.value", Int, [](S& r) { idesign(r).allocation = "Randomized Controlled Trial"; },
     [](S& r) { idesign(r).allocation = "Non-randomized"; }},
    {"assignment.required", Int, [](S& r) { idesign(r).assignment = ""; },
     [](S& r) { idesign(r).assignment = "Sequential Assignment"; }},
    {"assignment.value", Int, [](S& r) { idesign(r).assignment = "Cross-over Assignment"; },
     [](S& r) { idesign(r).assignment = "Crossover Assignment"; }},
    {"model_description.length", Int,
     [](S& r) { idesign(r).model_description.setText(chars(1001)); },
     [](S& r) { idesign(r).model_description.setText(chars(1000)); }},
    {"number_of_arms.required", Int, [](S& r) { idesign(r).number_of_arms = ""; },
     [](S& r) { idesign(r).number_of_arms = "2"; }},
    {"number_of_arms.form", Int, [](S& r) { idesign(r).number_of_arms = "0"; },
     [](S& r) { idesign(r).number_of_arms = "1"; }},
    {"number_of_arms.count", Int, [](S& r) { idesign(r).number_of_arms = "3"; },
     [](S& r) { idesign(r).number_of_arms = "02"; }},
    {"masking.required", Int, [](S& r) { idesign(r).no_masking = ""; },
     [](S& r) {
         idesign(r).no_masking = "";
         idesign(r).masked_assessor = "true";
     }},
    {"masking.none", Int, [](S& r) { idesign(r).masked_subject = "True"; },
     [](S& r) {
         idesign(r).no_masking = "No";
         idesign(r).masked_subject = "True";
     }},
    {"masking.roles", Int, [](S& r) { idesign(r).no_masking = "false"; },
     [](S& r) {
         idesign(r).no_masking = "false";
         idesign(r).masked_caregiver = "yes";
     }},
    {"no_masking.value", Int, [](S& r) { idesign(r).no_masking = "Y"; },
     [](S& r) { idesign(r).no_masking = "TRUE"; }},
    {"masked_subject.value", Int, [](S& r) { idesign(r).masked_subject = "1"; },
     [](S& r) { idesign(r).masked_subject = "false"; }},
    {"masked_caregiver.value", Int, [](S& r) { idesign(r).masked_caregiver = "1"; },
     [](S& r) { idesign(r).masked_caregiver = "No"; }},
    {"masked_investigator.value", Int, [](S& r) { idesign(r).masked_investigator = "1"; },
     [](S& r) { idesign(r).masked_investigator = "false"; }},
    {"masked_assessor.value", Int, [](S& r) { idesign(r).masked_assessor = "1"; },
     [](S& r) { idesign(r).masked_assessor = "false"; }},
    {"masking_description.length", Int,
     [](S& r) { idesign(r).masking_description.setText(chars(1001)); },
     [](S& r) { idesign(r).masking_description.setText(chars(1000)); }},
    {"observational_study_design.required", Obs,
     [](S& r) { odesign(r).observational_study_design = ""; },
     [](S& r) { odesign(r).observational_study_design = "Other"; }},
    {"observational_study_design.value", Obs,
     [](S& r) { odesign(r).observational_study_design = "Cohort study"; },
     [](S& r) { odesign(r).observational_study_design = "Case-Crossover"; }},
    {"timing.required", Obs, [](S& r) { odesign(r).timing = ""; },
     [](S& r) { odesign(r).timing = "Other"; }},
    {"timing.value", Obs, [](S& r) { odesign(r).timing = "Retrospective study"; },
     [](S& r) { odesign(r).timing = "Cross-Sectional"; }},
    {"biospecimen_retention.required", Obs, [](S& r) { odesign(r).biospecimen_retention = ""; },
     [](S& r) { odesign(r).biospecimen_retention = "None Retained"; }},
    {"biospecimen_retention.value", Obs, [](S& r) { odesign(r).biospecimen_retention = "Samples"; },
     [](S& r) { odesign(r).biospecimen_retention = "Samples With DNA"; }},
    {"biospecimen_description.required", Obs,
     [](S& r) { odesign(r).biospecimen_retention = "Samples Without DNA"; },
     [](S& r) {
         odesign(r).biospecimen_retention = "Samples Without DNA";
         odesign(r).biospecimen_description.setText("Blood");
     }},
    {"biospecimen_description.unused", Obs,
     [](S& r) { odesign(r).biospecimen_description.setText("Blood"); },
     [](S& r) {
         odesign(r).biospecimen_retention = "Samples With DNA";
         odesign(r).biospecimen_description.setText("Blood");
     }},
    {"biospecimen_description.length", Obs,
     [](S& r) { odesign(r).biospecimen_description.setText(chars(1001)); },
     [](S& r) { odesign(r).biospecimen_description.setText(chars(1000)); }},
    {"number_of_groups.required", Obs, [](S& r) { odesign(r).number_of_groups = ""; },
     [](S& r) { odesign(r).number_of_groups = "2"; }},
    {"number_of_groups.form", Obs, [](S& r) { odesign(r).number_of_groups = "-1"; },
     [](S& r) { odesign(r).number_of_groups = "2"; }},
    {"number_of_groups.count", Obs, [](S& r) { odesign(r).number_of_groups = "1"; },
     [](S& r) { odesign(r).number_of_groups = "2"; }},
    {"patient_registry.value", Obs, [](S& r) { odesign(r).patient_registry = "maybe"; },
     [](S& r) { odesign(r).patient_registry = "yes"; }},
    {"target_duration_quantity.required", Obs,
     [](S& r) {
         odesign(r).patient_registry = "yes";
         odesign(r).target_duration_units = "Years";
     },
     [](S& r) {
         odesign(r).patient_registry = "yes";
         odesign(r).target_duration_units = "Years";
         odesign(r).target_duration_quantity = "2";
     }},
    {"target_duration_quantity.form", Obs, [](S& r) { odesign(r).target_duration_quantity = "0"; },
     [](S& r) { odesign(r).target_duration_quantity = "1"; }},
    {"target_duration_units.required", Obs,
     [](S& r) {
         odesign(r).patient_registry = "Yes";
         odesign(r).target_duration_quantity = "2";
     },
     [](S& r) {
         odesign(r).patient_registry = "Yes";
         odesign(r).target_duration_quantity = "2";
         odesign(r).target_duration_units = "Weeks";
     }},
    {"target_duration_units.value", Obs, [](S& r) { odesign(r).target_duration_units = "Hours"; },
     [](S& r) { odesign(r).target_duration_units = "Days"; }},
    {"exp_acc_type.required", EA, [](S& r) { r.study_design.exp_acc_type_individual = ""; },
     [](S& r) {
         r.study_design.exp_acc_type_individual = "";
         r.study_design.no_exp_acc_type = "Yes";
     }},
    {"no_exp_acc_type.excludes", EA, [](S& r) { r.study_design.no_exp_acc_type = "Yes"; },
     [](S& r) { r.study_design.no_exp_acc_type = "No"; }},
    {"no_exp_acc_type.value", EA, [](S& r) { r.study_design.no_exp_acc_type = "x"; },
     [](S& r) { r.study_design.no_exp_acc_type = "false"; }},
    {"exp_acc_type_individual.value", EA,
     [](S& r) { r.study_design.exp_acc_type_individual = "x"; },
     [](S& r) { r.study_design.exp_acc_type_individual = "true"; }},
    {"exp_acc_type_intermediate.value", EA,
     [](S& r) { r.study_design.exp_acc_type_intermediate = "x"; },
     [](S& r) { r.study_design.exp_acc_type_intermediate = "No"; }},
    {"exp_acc_type_treatment.value", EA, [](S& r) { r.study_design.exp_acc_type_treatment = "x"; },
     [](S& r) { r.study_design.exp_acc_type_treatment = "No"; }},
    {"enrollment.required", Int, [](S& r) { r.enrollment.setText(""); },
     [](S& r) { r.enrollment.setText("0"); }},
    {"enrollment.form", Int, [](S& r) { r.enrollment.setText("ten"); },
     [](S& r) { r.enrollment.setText("10"); }},
    {"enrollment_type.required", Int, [](S& r) { r.enrollment_type.setText(""); },
     [](S& r) { r.enrollment_type.setText("Actual"); }},
    {"enrollment_type.value", Int, [](S& r) { r.enrollment_type.setText("Estimated"); },
     [](S& r) { r.enrollment_type.setText("Anticipated"); }},
    {"enrollment_type.actual", Int, [](S& r) { setStatus(r, "Completed"); },
     [](S& r) {
         setStatus(r, "Completed");
         r.enrollment_type.setText("Actual");
     }},
    {"enrollment.expanded_access", EA, [](S& r) { r.enrollment.setText("10"); }, nullptr},

    // Arms, Groups and Interventions
    {"arm_group.required", Int, [](S& r) { r.arm_group.clear(); }, nullptr},
    {"arm_group_label.required", Int, [](S& r) { arm(r, 1).arm_group_label = " "; },
     [](S& r) { arm(r, 1).arm_group_label = "W"; }},
    {"arm_group_label.length", Int, [](S& r) { arm(r, 1).arm_group_label = chars(101); },
     [](S& r) { arm(r, 1).arm_group_label = chars(100); }},
    {"arm_group_label.unique", Int, [](S& r) { arm(r, 1).arm_group_label = "Tea"; },
     [](S& r) { arm(r, 1).arm_group_label = "Tea 2"; }},
    {"arm_type.required", Int, [](S& r) { arm(r, 0).arm_type = ""; },
     [](S& r) { arm(r, 0).arm_type = "Other"; }},
    {"arm_type.value", Int, [](S& r) { arm(r, 0).arm_type = "Placebo"; },
     [](S& r) { arm(r, 0).arm_type = "Sham Comparator"; }},
    {"arm_type.type", Obs, [](S& r) { arm(r, 0).arm_type = "Experimental"; }, nullptr},
    {"arm_group_description.length", Int,
     [](S& r) { arm(r, 0).arm_group_description.setText(chars(1000)); },
     [](S& r) { arm(r, 0).arm_group_description.setText(chars(999)); }},
    {"arm_group.expanded_access", EA, [](S& r) { addArm(r, "Tea", ""); }, nullptr},
    {"intervention.required", Int, [](S& r) { r.intervention.clear(); }, nullptr},
    {"intervention_type.required", Int, [](S& r) { intervention(r).intervention_type = ""; },
     [](S& r) { intervention(r).intervention_type = "Combination Product"; }},
    {"intervention_type.value", Int, [](S& r) { intervention(r).intervention_type = "Biological"; },
     [](S& r) { intervention(r).intervention_type = "Diagnostic Test"; }},
    {"intervention_name.required", Int, [](S& r) { intervention(r).intervention_name = ""; },
     [](S& r) { intervention(r).intervention_name = "T"; }},
    {"intervention_name.length", Int, [](S& r) { intervention(r).intervention_name = chars(201); },
     [](S& r) { intervention(r).intervention_name = chars(200); }},
    {"intervention_description.required", Int,
     [](S& r) { intervention(r).intervention_description.setText(""); },
     [](S& r) { intervention(r).intervention_description.setText("x"); }},
    {"intervention_description.length", Int,
     [](S& r) { intervention(r).intervention_description.setText(chars(1001)); },
     [](S& r) { intervention(r).intervention_description.setText(chars(1000)); }},
    {"intervention.arm_group_label.required", Int,
     [](S& r) { intervention(r).arm_group_label.clear(); },
     [](S& r) { intervention(r).arm_group_label.assign(1, "Water"); }},
    {"intervention.arm_group_label.known", Int,
     [](S& r) { intervention(r).arm_group_label.push_back("Coffee"); },
     [](S& r) { intervention(r).arm_group_label.push_back("Water"); }},

    // Outcome Measures
    {"primary_outcome.required", Int, [](S& r) { r.primary_outcome.clear(); }, nullptr},
    {"primary_outcome.measure.required", Int,
     [](S& r) { r.primary_outcome[0]->outcome_measure = ""; },
     [](S& r) { r.primary_outcome[0]->outcome_measure = "m"; }},
    {"primary_outcome.measure.length", Int,
     [](S& r) { r.primary_outcome[0]->outcome_measure = chars(256); },
     [](S& r) { r.primary_outcome[0]->outcome_measure = chars(255); }},
    {"primary_outcome.time_frame.required", Int,
     [](S& r) { r.primary_outcome[0]->outcome_time_frame = ""; },
     [](S& r) { r.primary_outcome[0]->outcome_time_frame = "t"; }},
    {"primary_outcome.time_frame.length", Int,
     [](S& r) { r.primary_outcome[0]->outcome_time_frame = chars(256); },
     [](S& r) { r.primary_outcome[0]->outcome_time_frame = chars(255); }},
    {"primary_outcome.description.length", Int,
     [](S& r) { r.primary_outcome[0]->outcome_description.setText(chars(1000)); },
     [](S& r) { r.primary_outcome[0]->outcome_description.setText(chars(999)); }},
    {"secondary_outcome.measure.required", Int,
     [](S& r) { addOutcome(r.secondary_outcome).outcome_measure = ""; },
     [](S& r) { addOutcome(r.secondary_outcome); }},
    {"secondary_outcome.measure.length", Int,
     [](S& r) { addOutcome(r.secondary_outcome).outcome_measure = chars(256); },
     [](S& r) { addOutcome(r.secondary_outcome).outcome_measure = chars(255); }},
    {"secondary_outcome.time_frame.required", Int,
     [](S& r) { addOutcome(r.secondary_outcome).outcome_time_frame = ""; },
     [](S& r) { addOutcome(r.secondary_outcome); }},
    {"secondary_outcome.time_frame.length", Int,
     [](S& r) { addOutcome(r.secondary_outcome).outcome_time_frame = chars(256); },
     [](S& r) { addOutcome(r.secondary_outcome).outcome_time_frame = chars(255); }},
    {"secondary_outcome.description.length", Int,
     [](S& r) { addOutcome(r.secondary_outcome).outcome_description.setText(chars(1000)); },
     [](S& r) { addOutcome(r.secondary_outcome).outcome_description.setText(chars(999)); }},
    {"other_outcome.measure.required", Int,
     [](S& r) { addOutcome(r.other_outcome).outcome_measure = ""; },
     [](S& r) { addOutcome(r.other_outcome); }},
    {"other_outcome.measure.length", Int,
     [](S& r) { addOutcome(r.other_outcome).outcome_measure = chars(256); },
     [](S& r) { addOutcome(r.other_outcome).outcome_measure = chars(255); }},
    {"other_outcome.time_frame.required", Int,
     [](S& r) { addOutcome(r.other_outcome).outcome_time_frame = ""; },
     [](S& r) { addOutcome(r.other_outcome); }},
    {"other_outcome.time_frame.length", Int,
     [](S& r) { addOutcome(r.other_outcome).outcome_time_frame = chars(256); },
     [](S& r) { addOutcome(r.other_outcome).outcome_time_frame = chars(255); }},
    {"other_outcome.description.length", Int,
     [](S& r) { addOutcome(r.other_outcome).outcome_description.setText(chars(1000)); },
     [](S& r) { addOutcome(r.other_outcome).outcome_description.setText(chars(999)); }},
    {"outcome.expanded_access", EA, [](S& r) { addOutcome(r.other_outcome); }, nullptr},

    // Eligibility
    {"criteria.required", Int, [](S& r) { r.eligibility.criteria.setText(""); },
     [](S& r) { r.eligibility.criteria.setText("c"); }},
    {"criteria.length", Int, [](S& r) { r.eligibility.criteria.setText(chars(20001)); },
     [](S& r) { r.eligibility.criteria.setText(chars(20000)); }},
    {"gender.required", Int, [](S& r) { r.eligibility.gender = ""; },
     [](S& r) { r.eligibility.gender = "Female"; }},
    {"gender.value", Int, [](S& r) { r.eligibility.gender = "Mixed"; },
     [](S& r) { r.eligibility.gender = "Both"; }},
    {"gender_based.value", Int, [](S& r) { r.eligibility.gender_based = "Y"; },
     [](S& r) { r.eligibility.gender_based = "No"; }},
    {"gender_description.required", Int, [](S& r) { r.eligibility.gender_based = "Yes"; },
     [](S& r) {
         r.eligibility.gender_based = "Yes";
         r.eligibility.gender_description.setText("d");
     }},
    {"gender_description.length", Int,
     [](S& r) { r.eligibility.gender_description.setText(chars(1001)); },
     [](S& r) { r.eligibility.gender_description.setText(chars(1000)); }},
    {"minimum_age.required", Int, [](S& r) { r.eligibility.minimum_age = ""; },
     [](S& r) { r.eligibility.minimum_age = "N/A"; }},
    {"minimum_age.form", Int, [](S& r) { r.eligibility.minimum_age = "18 Yrs"; },
     [](S& r) { r.eligibility.minimum_age = "6 Months"; }},
    {"maximum_age.required", Int, [](S& r) { r.eligibility.maximum_age = ""; },
     [](S& r) { r.eligibility.maximum_age = " N/A"; }},
    {"maximum_age.form", Int, [](S& r) { r.eligibility.maximum_age = "65+ Years"; },
     [](S& r) { r.eligibility.maximum_age = "65 Years"; }},
    {"minimum_age.order", Int,
     [](S& r) {
         r.eligibility.minimum_age = "2 Years";
         r.eligibility.maximum_age = "23 Months";
     },
     [](S& r) {
         r.eligibility.minimum_age = "2 Years";
         r.eligibility.maximum_age = "24 Months";
     }},
    {"healthy_volunteers.required", Int, [](S& r) { r.eligibility.healthy_volunteers = ""; },
     [](S& r) { r.eligibility.healthy_volunteers = "Yes"; }},
    {"healthy_volunteers.value", Int, [](S& r) { r.eligibility.healthy_volunteers = "Accepts"; },
     [](S& r) { r.eligibility.healthy_volunteers = "yes"; }},
    {"healthy_volunteers.expanded_access", EA,
     [](S& r) { r.eligibility.healthy_volunteers = "No"; }, nullptr},
    {"study_population.required", Obs, [](S& r) { r.eligibility.study_population.setText(""); },
     [](S& r) { r.eligibility.study_population.setText("p"); }},
    {"study_population.length", Obs,
     [](S& r) { r.eligibility.study_population.setText(chars(1001)); },
     [](S& r) { r.eligibility.study_population.setText(chars(1000)); }},
    {"study_population.type", Int, [](S& r) { r.eligibility.study_population.setText("p"); },
     nullptr},
    {"sampling_method.required", Obs, [](S& r) { r.eligibility.sampling_method = ""; },
     [](S& r) { r.eligibility.sampling_method = "Non-Probability Sample"; }},
    {"sampling_method.value", Obs, [](S& r) { r.eligibility.sampling_method = "Random"; },
     [](S& r) { r.eligibility.sampling_method = "Probability Sample"; }},
    {"sampling_method.type", Int,
     [](S& r) { r.eligibility.sampling_method = "Probability Sample"; }, nullptr},

    // Contacts, Locations and Investigators
    {"overall_contact.required", Int, [](S& r) { r.overall_contact = Contact(); },
     [](S& r) {
         r.overall_contact = Contact();
         site(r).contact.last_name = "Lee";
     }},
    {"overall_contact.last_name.required", Int, [](S& r) { r.overall_contact.last_name = ""; },
     [](S& r) { r.overall_contact.last_name = "N"; }},
    {"overall_contact.phone.required", Int, [](S& r) { r.overall_contact.phone = ""; },
     [](S& r) { r.overall_contact.phone = "2"; }},
    {"overall_contact.email.required", Int, [](S& r) { r.overall_contact.email = ""; },
     [](S& r) { r.overall_contact.email = "x@y"; }},
    {"overall_contact_backup.last_name.required", Int,
     [](S& r) { r.overall_contact_backup.phone = "1"; },
     [](S& r) {
         r.overall_contact_backup.phone = "1";
         r.overall_contact_backup.last_name = "B";
     }},
    {"overall_official.last_name.required", Int, [](S& r) { addOfficial(r).last_name = ""; },
     [](S& r) { addOfficial(r); }},
    {"overall_official.affiliation.length", Int,
     [](S& r) { addOfficial(r).affiliation = chars(161); },
     [](S& r) { addOfficial(r).affiliation = chars(160); }},
    {"overall_official.role.value", Int, [](S& r) { addOfficial(r).role = "Chair"; },
     [](S& r) { addOfficial(r).role = "Study Director"; }},
    {"location.facility.name.required", Int, [](S& r) { site(r).facility.name = ""; },
     [](S& r) { site(r).facility.name = "F"; }},
    {"location.facility.name.length", Int, [](S& r) { site(r).facility.name = chars(255); },
     [](S& r) { site(r).facility.name = chars(254); }},
    {"location.city.required", Int, [](S& r) { site(r).facility.address.city = ""; },
     [](S& r) { site(r).facility.address.city = "C"; }},
    {"location.country.required", Int, [](S& r) { site(r).facility.address.country = ""; },
     [](S& r) { site(r).facility.address.country = "Norway"; }},
    {"location.state.required", Int,
     [](S& r) {
         setUnitedStates(r);
         site(r).facility.address.state = "";
     },
     [](S& r) { setUnitedStates(r); }},
    {"location.zip.required", Int,
     [](S& r) {
         setUnitedStates(r);
         site(r).facility.address.zip = "";
     },
     [](S& r) {
         setUnitedStates(r);
         site(r).facility.address.country = "United States";
     }},
    {"location.status.value", Int, [](S& r) { site(r).status = "Open"; },
     [](S& r) { site(r).status = "No longer recruiting"; }},

    // IPD Sharing Statement
    {"sharing_ipd.value", Int, [](S& r) { ipd(r).sharing_ipd = "Maybe"; },
     [](S& r) { ipd(r).sharing_ipd = "Undecided"; }},
    {"ipd_description.unused", Int, [](S& r) { ipd(r).ipd_description.setText("d"); },
     [](S& r) {
         ipd(r).sharing_ipd = "No";
         ipd(r).ipd_description.setText("d");
     }},
    {"ipd_description.length", Int,
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_description.setText(chars(1001));
     },
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_description.setText(chars(1000));
     }},
    {"ipd_details.unused", Int,
     [](S& r) {
         ipd(r).sharing_ipd = "No";
         ipd(r).ipd_url = "http://x.org";
     },
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_url = "http://x.org";
     }},
    {"ipd_info_type.value", Int,
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_info_type_sap = "Y";
     },
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_info_type_sap = "true";
     }},
    {"ipd_time_frame.length", Int,
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_time_frame.setText(chars(1001));
     },
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_time_frame.setText(chars(1000));
     }},
    {"ipd_access_criteria.length", Int,
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_access_criteria.setText(chars(1001));
     },
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_access_criteria.setText(chars(1000));
     }},
    {"ipd_url.length", Int,
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_url = "http://" + chars(3993);
     },
     [](S& r) {
         ipd(r).sharing_ipd = "Yes";
         ipd(r).ipd_url = "http://" + chars(3992);
     }},

    // References, Links, Available IPD/Information
    {"reference.pubmed_id.form", Int, [](S& r) { appendNew(r.reference).pubmed_id = "PMID123"; },
     [](S& r) { appendNew(r.reference).pubmed_id = "123"; }},
    {"reference.is_results_ref.value", Int,
     [](S& r) { appendNew(r.reference).is_results_ref = "maybe"; },
     [](S& r) { appendNew(r.reference).is_results_ref = "Yes"; }},
    {"link.url.required", Int, [](S& r) { addLink(r).url = ""; }, [](S& r) { addLink(r); }},
    {"link.url.length", Int, [](S& r) { addLink(r).url = "https://" + std::string(3992, 'a'); },
     [](S& r) { addLink(r).url = "https://" + std::string(3991, 'a'); }},
    {"link.url.form", Int, [](S& r) { addLink(r).url = "www.example.org"; },
     [](S& r) { addLink(r).url = "HTTP://example.org"; }},
    {"link.description.required", Int, [](S& r) { addLink(r).description = ""; },
     [](S& r) { addLink(r); }},
    {"link.description.length", Int, [](S& r) { addLink(r).description = chars(255); },
     [](S& r) { addLink(r).description = chars(254); }},
    {"study_document.type.required", Int, [](S& r) { addDocument(r).study_document_type = ""; },
     [](S& r) { addDocument(r); }},
    {"study_document.type.value", Int,
     [](S& r) { addDocument(r).study_document_type = "Protocol"; },
     [](S& r) { addDocument(r).study_document_type = "Analytic Code"; }},
    {"study_document.other_type.unused", Int,
     [](S& r) { addDocument(r).study_document_other_type = "Poster"; },
     [](S& r) {
         StudyDocument& document = addDocument(r);
         document.study_document_type = "Other";
         document.study_document_other_type = "Poster";
     }},
    {"study_document.url.length", Int,
     [](S& r) { addDocument(r).url = "https://" + std::string(3992, 'a'); },
     [](S& r) { addDocument(r).url = "https://" + std::string(3991, 'a'); }},
    {"study_document.comments.length", Int,
     [](S& r) { addDocument(r).study_document_comments.setText(chars(1001)); },
     [](S& r) { addDocument(r).study_document_comments.setText(chars(1000)); }},
};

// The findings of a collection: the record built from `fill` and `change`,
// then a clean record of its own under another ID.
std::vector<RuleFinding> findingsOf(Fill fill, Mutation change) {
    StudyCollection collection;
    S& record = appendNew(collection.records);
    fill(record);
    if (change)
        change(record);
    S& other = appendNew(collection.records);
    fill(other);
    other.id_info.org_study_id = "HCI-2";
    return RegistryRules::check(collection, kToday);
}

std::string describe(const std::vector<RuleFinding>& findings) {
    std::string text;
    for (const RuleFinding& finding : findings)
        text += std::string(finding.rule) + ": " + finding.message + "\n";
    return text;
}

bool reports(const std::vector<RuleFinding>& findings, std::string_view rule) {
    return std::any_of(findings.begin(), findings.end(),
                       [&](const RuleFinding& finding) { return finding.rule == rule; });
}

} // namespace

TEST(RegistryRulesTest, TheCleanRecordsOfEveryTypeBreakNoRule) {
    for (Fill fill : {Int, Obs, EA}) {
        const std::vector<RuleFinding> findings = findingsOf(fill, nullptr);
        EXPECT_TRUE(findings.empty()) << describe(findings);
    }
}

TEST(RegistryRulesTest, EachRuleCatchesItsBreakAndLetsItsNearestPassThrough) {
    for (const RuleCase& rule : kCases) {
        ASSERT_NE(RegistryRules::find(rule.rule), nullptr) << rule.rule;
        const std::vector<RuleFinding> broken = findingsOf(rule.base, rule.breaks);
        EXPECT_TRUE(reports(broken, rule.rule)) << rule.rule << " missed:\n" << describe(broken);
        const std::vector<RuleFinding> kept = findingsOf(rule.base, rule.passes);
        EXPECT_FALSE(reports(kept, rule.rule)) << rule.rule << " reported:\n" << describe(kept);
    }
}

TEST(RegistryRulesTest, EveryRuleHasACaseAndEveryIdIsUnique) {
    std::set<std::string_view> ids;
    for (const RegistryRule& rule : RegistryRules::table()) {
        EXPECT_TRUE(ids.insert(rule.id).second) << "twice: " << rule.id;
        EXPECT_TRUE(std::any_of(std::begin(kCases), std::end(kCases),
                                [&](const RuleCase& c) { return c.rule == rule.id; }))
            << "no case: " << rule.id;
    }
}

// A partial upload replaces only what it carries: nothing it leaves out is
// missing, but what it does carry meets every rule, entry by entry.
TEST(RegistryRulesTest, APartialUploadIsHeldOnlyToWhatItCarries) {
    S record;
    record.partial_upload = "true";
    record.id_info.org_name = "HCI";
    record.id_info.org_study_id = "HCI-9";
    record.study_design.study_type.setText("Interventional");
    EXPECT_TRUE(RegistryRules::check(record, kToday).empty())
        << describe(RegistryRules::check(record, kToday));

    for (const std::string& name : {std::string("Clinic"), chars(255)}) {
        Location& location = appendNew(record.location);
        location.facility.name = name;
        location.facility.address.city = "Oslo";
        location.facility.address.country = "Norway";
    }
    record.partial_upload = "false";
    EXPECT_TRUE(reports(RegistryRules::check(record, kToday), "brief_title.required"));
    record.partial_upload = "true";
    const std::vector<RuleFinding> findings = RegistryRules::check(record, kToday);
    ASSERT_EQ(findings.size(), 1u) << describe(findings);
    EXPECT_EQ(findings[0].rule, "location.facility.name.length");
    EXPECT_EQ(findings[0].severity, RuleSeverity::Error);
    EXPECT_EQ(findings[0].section, "contacts");
    EXPECT_EQ(findings[0].path, "location/facility/name");
    EXPECT_EQ(findings[0].list, "location");
    EXPECT_EQ(findings[0].item, 2u);
    EXPECT_EQ(findings[0].message, "Facility Name is longer than 254 characters (255).");
}
