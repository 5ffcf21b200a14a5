#include "StudyGenerator.h"

#include "model/CollectionFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

class Words {
public:
    explicit Words(std::uint32_t seed) : m_state(seed * 2654435761u + 1) {}

    std::uint32_t next(std::uint32_t range) {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) % range;
    }
    std::string pick(const std::vector<std::string>& from) {
        return from[next(static_cast<std::uint32_t>(from.size()))];
    }
    std::string sentence(int words) {
        static const std::vector<std::string> kWords = {
            "patients",      "randomised", "placebo",    "dose",         "weeks",    "baseline",
            "change",        "primary",    "safety",     "tolerability", "efficacy", "adults",
            "treatment",     "visit",      "assessment", "score",        "blood",    "pressure",
            "glucose",       "follow-up",  "adverse",    "events",       "cohort",   "daily",
            "oral",          "infusion",   "clinic",     "outcome",      "measured", "plasma",
            "concentration", "symptom",    "quality",    "of",           "life",     "and",
            "the",           "in"};
        std::string text = pick(kWords);
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
        for (int i = 1; i < words; ++i) {
            text += ' ';
            text += kWords[next(static_cast<std::uint32_t>(kWords.size()))];
        }
        text += '.';
        return text;
    }
    std::string paragraphs(int count, int sentences) {
        std::string text;
        for (int p = 0; p < count; ++p) {
            if (p > 0)
                text += "\r\n\r\n";
            for (int s = 0; s < sentences; ++s) {
                if (s > 0)
                    text += ' ';
                text += sentence(8 + static_cast<int>(next(8)));
            }
        }
        return text;
    }

private:
    std::uint32_t m_state;
};

const std::vector<std::string> kFirstNames = {"Amara",  "Jonas",  "Mei",   "Tomasz", "Leila",
                                              "Rafael", "Ingrid", "Kwame", "Sofia",  "Arjun"};
const std::vector<std::string> kLastNames = {"Okafor", "Lindqvist", "Haddad", "Moreau",   "Tanaka",
                                             "Novak",  "Ferreira",  "Mensah", "Kowalski", "Iyer"};
const std::vector<std::string> kCities = {"Lyon",    "Porto",  "Leeds", "Graz", "Aarhus",
                                          "Utrecht", "Bilbao", "Turku", "Cork", "Brno"};

} // namespace

void StudyGenerator::fill(StudyRecord& r, int index) {
    Words w(static_cast<std::uint32_t>(index));
    r.id_info.org_study_id = "NVB-" + std::to_string(100000 + index);
    r.id_info.org_name = "Meridian Research & Health";
    SecondaryId& secondary = appendNew(r.id_info.secondary_id);
    secondary.id = "EU-2026-" + std::to_string(index);
    secondary.id_type = "Registry Identifier";
    r.is_fda_regulated.setText("Yes");
    r.is_section_801.setText("Yes");
    r.delayed_posting.setText("No");
    r.is_ind_study.setText("No");
    r.brief_title.setText("Study of " + w.sentence(6) + " in adults <65 years");
    r.acronym = "NVB" + std::to_string(index % 1000);
    r.official_title.setText("A Randomised, Double-Blind Study: " + w.sentence(14));
    r.sponsors.lead_sponsor.agency = "Meridian Research & Health";
    appendNew(r.sponsors.collaborator).agency = "Northfield University Hospital";
    r.sponsors.resp_party.name_title = "Dr " + w.pick(kLastNames);
    r.sponsors.resp_party.organization = "Meridian Research & Health";
    r.oversight_info.regulatory_authority = {"European Union: Medicines Agency"};
    r.oversight_info.irb_info.approval_status = "Approved";
    r.oversight_info.irb_info.name = "Northfield Ethics Committee";
    r.oversight_info.has_dmc = "Yes";
    r.brief_summary.setText(w.paragraphs(2, 3));
    r.detailed_description.setText(w.paragraphs(3, 4));
    r.overall_status.setText("Recruiting");
    r.verification_date = "March 2026";
    r.start_date.setText("January 2026");
    r.primary_compl_date.setText("June 2028");
    r.primary_compl_date_type.setText("Anticipated");
    r.study_design.study_type.setText("Interventional");
    InterventionalDesign& design = r.study_design.interventional_design;
    design.interventional_subtype = "Treatment";
    design.phase = "Phase 3";
    design.allocation = "Randomized";
    design.masking = "Double Blind";
    design.number_of_arms = "2";
    for (int i = 0; i < 5; ++i) {
        Outcome& outcome = appendNew(i < 2 ? r.primary_outcome : r.secondary_outcome);
        outcome.outcome_measure = "Change in " + w.sentence(5);
        outcome.outcome_time_frame = "Week " + std::to_string(12 * (i + 1));
        outcome.outcome_description.setText(w.paragraphs(2, 1));
        outcome.outcome_safety_issue = i == 4 ? "Yes" : "No";
    }
    r.enrollment.setText(std::to_string(200 + index % 300));
    r.enrollment_type.setText("Anticipated");
    for (const char* condition : {"Hypertension", "Type 2 Diabetes", "Chronic Kidney Disease"})
        r.condition.emplace_back(condition);
    for (const char* keyword : {"blood pressure", "HbA1c", "eGFR", "cardiovascular risk"})
        r.keyword.emplace_back(keyword);
    for (const char* label : {"Active", "Placebo"}) {
        ArmGroup& arm = appendNew(r.arm_group);
        arm.arm_group_label = label;
        arm.arm_type = label[0] == 'A' ? "Experimental" : "Placebo Comparator";
        arm.arm_group_description.setText(w.paragraphs(1, 2));
    }
    Intervention& drug = appendNew(r.intervention);
    drug.intervention_type = "Drug";
    drug.intervention_name = "NVB-" + std::to_string(index % 50) + " 10 mg";
    drug.intervention_description.setText(w.paragraphs(1, 2));
    drug.arm_group_label = {"Active"};
    r.eligibility.criteria.setText("Inclusion Criteria:\r\n- Age >= 18 years\r\n- HbA1c < 9% & "
                                   "eGFR > 30\r\n\r\nExclusion Criteria:\r\n- " +
                                   w.sentence(10) + "\r\n- " + w.sentence(9));
    r.eligibility.gender = "Both";
    r.eligibility.minimum_age = "18 Years";
    r.eligibility.maximum_age = "80 Years";
    Official& official = appendNew(r.overall_official);
    official.first_name = w.pick(kFirstNames);
    official.last_name = w.pick(kLastNames);
    official.role = "Principal Investigator";
    official.affiliation = "Northfield University Hospital";
    r.overall_contact.first_name = w.pick(kFirstNames);
    r.overall_contact.last_name = w.pick(kLastNames);
    r.overall_contact.phone = "+44 113 496 0" + std::to_string(100 + index % 900);
    r.overall_contact.email = "trials@meridian-health.example";
    for (int i = 0; i < 10; ++i) {
        Location& location = appendNew(r.location);
        location.facility.name = "Clinical Research Unit " + std::to_string(i + 1);
        location.facility.address.city = kCities[static_cast<std::size_t>(i)];
        location.facility.address.country = "United Kingdom";
        location.facility.address.zip = "LS" + std::to_string(i + 1) + " 3EX";
        location.status = "Recruiting";
        location.contact.last_name = w.pick(kLastNames);
        location.contact.email = "site" + std::to_string(i) + "@meridian-health.example";
        for (int j = 0; j < 2; ++j) {
            Investigator& investigator = appendNew(location.investigator);
            investigator.first_name = w.pick(kFirstNames);
            investigator.last_name = w.pick(kLastNames);
            investigator.role = j == 0 ? "Principal Investigator" : "Sub-Investigator";
        }
    }
    for (int i = 0; i < 2; ++i) {
        Reference& reference = appendNew(r.reference);
        reference.citation = w.pick(kLastNames) + " A, " + w.pick(kLastNames) + " B. " +
                             w.sentence(9) +
                             " J Clin Res. 2024;12(3):" + std::to_string(100 + i * 17) + "-" +
                             std::to_string(110 + i * 17) + ".";
        reference.pubmed_id = std::to_string(38000000 + index * 3 + i);
    }
}

void StudyGenerator::saveCollection(int count, const std::string& path) {
    StudyCollection generated;
    for (int i = 0; i < count; ++i)
        fill(appendNew(generated.records), i);
    const SaveResult result = CollectionFile::save(generated, path);
    if (!result.ok) {
        std::fprintf(stderr, "cannot save the generated collection: %s\n", result.reason.c_str());
        std::exit(1);
    }
}
