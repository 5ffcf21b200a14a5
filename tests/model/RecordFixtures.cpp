#include "RecordFixtures.h"

#include "model/StudyRecord.h"

std::string RecordFiller::next() {
    return token(++m_count);
}

std::string RecordFiller::nextLines() {
    return next() + "\r\n" + "second line";
}

bool RecordFiller::nextFlag() {
    const bool flag = (m_flags++ % 2) == 0;
    m_trueFlags += flag ? 1 : 0;
    return flag;
}

namespace {

template <class C> void fillContact(RecordFiller& f, C& c, std::string (RecordFiller::*next)()) {
    for (std::string* text : {&c.first_name, &c.middle_name, &c.last_name, &c.degrees, &c.phone,
                              &c.phone_ext, &c.email})
        *text = (f.*next)();
}

} // namespace

void RecordFiller::fill(StudyRecord& r) {
    auto field = [this](FieldValue& value) {
        value.setText(next());
        value.setDeleteFlag(nextFlag());
    };
    IdInfo& id = r.id_info;
    for (std::string* text :
         {&id.provider_name, &id.provider_study_id, &id.org_name, &id.org_study_id})
        *text = next();
    for (int i = 0; i < 2; ++i) {
        SecondaryId& s = appendNew(id.secondary_id);
        s.id = next();
        s.id_type = next();
        s.id_domain = next();
        s.deleteFlag = nextFlag();
    }
    for (FieldValue* value :
         {&r.is_fda_regulated, &r.is_section_801, &r.delayed_posting, &r.is_ind_study})
        field(*value);
    IndInfo& ind = r.ind_info;
    for (std::string* text : {&ind.ind_grantor, &ind.ind_number, &ind.ind_serial_number,
                              &ind.has_expanded_access, &ind.expanded_access_nct_id})
        *text = next();
    ind.deleteFlag = nextFlag();
    r.brief_title.setText(nextLines());
    r.brief_title.setDeleteFlag(nextFlag());
    r.acronym = next();
    field(r.official_title);

    Sponsors& sp = r.sponsors;
    sp.lead_sponsor.agency = next();
    appendNew(sp.collaborator).agency = next();
    appendNew(sp.collaborator).agency = next();
    for (std::string* text : {&sp.resp_party.name_title, &sp.resp_party.organization,
                              &sp.resp_party.phone, &sp.resp_party.phone_ext, &sp.resp_party.email})
        *text = next();
    sp.deleteFlag = nextFlag();

    OversightInfo& o = r.oversight_info;
    o.regulatory_authority = {next(), next()};
    IrbInfo& irb = o.irb_info;
    for (std::string* text :
         {&irb.approval_status, &irb.approval_number, &irb.name, &irb.affiliation, &irb.phone,
          &irb.phone_ext, &irb.email, &irb.full_address})
        *text = next();
    o.has_dmc = next();
    o.deleteFlag = nextFlag();

    for (TextBlock* block : {&r.brief_summary, &r.detailed_description}) {
        block->setText(nextLines());
        block->setDeleteFlag(nextFlag());
    }
    for (FieldValue* value : {&r.overall_status, &r.why_stopped, &r.expanded_access_status})
        field(*value);
    r.verification_date = next();
    field(r.start_date);
    r.end_date = next();
    for (FieldValue* value : {&r.last_follow_up_date, &r.last_follow_up_date_type,
                              &r.primary_compl_date, &r.primary_compl_date_type})
        field(*value);

    StudyDesign& d = r.study_design;
    field(d.study_type);
    InterventionalDesign& in = d.interventional_design;
    for (std::string* text :
         {&in.interventional_subtype, &in.phase, &in.assignment, &in.allocation, &in.masking,
          &in.masked_subject, &in.masked_caregiver, &in.masked_investigator, &in.masked_assessor,
          &in.control, &in.endpoint, &in.number_of_arms})
        *text = next();
    in.deleteFlag = nextFlag();
    ObservationalDesign& ob = d.observational_design;
    ob.observational_study_design = next();
    ob.biospecimen_retention = next();
    ob.biospecimen_description.setText(nextLines());
    ob.timing = next();
    ob.number_of_groups = next();
    ob.deleteFlag = nextFlag();

    for (OwningList<Outcome>* list : {&r.primary_outcome, &r.secondary_outcome}) {
        for (int i = 0; i < 2; ++i) {
            Outcome& out = appendNew(*list);
            out.outcome_measure = next();
            out.outcome_time_frame = next();
            out.outcome_description.setText(nextLines());
            out.outcome_safety_issue = next();
            out.deleteFlag = nextFlag();
        }
    }
    field(r.enrollment);
    field(r.enrollment_type);
    for (std::vector<FieldValue>* list : {&r.condition, &r.keyword}) {
        for (int i = 0; i < 2; ++i)
            field(list->emplace_back());
    }
    for (int i = 0; i < 2; ++i) {
        ArmGroup& a = appendNew(r.arm_group);
        a.arm_group_label = next();
        a.arm_type = next();
        a.arm_group_description.setText(nextLines());
        a.deleteFlag = nextFlag();
    }
    for (int i = 0; i < 2; ++i) {
        Intervention& iv = appendNew(r.intervention);
        iv.intervention_type = next();
        iv.intervention_name = next();
        iv.intervention_description.setText(nextLines());
        iv.arm_group_label = {next(), next()};
        iv.intervention_other_name = {next(), next()};
        iv.deleteFlag = nextFlag();
    }
    Eligibility& e = r.eligibility;
    e.study_population.setText(nextLines());
    e.sampling_method = next();
    e.criteria.setText(nextLines());
    for (std::string* text : {&e.healthy_volunteers, &e.gender, &e.minimum_age, &e.maximum_age})
        *text = next();
    e.deleteFlag = nextFlag();

    for (int i = 0; i < 2; ++i) {
        Official& of = appendNew(r.overall_official);
        for (std::string* text : {&of.first_name, &of.middle_name, &of.last_name, &of.degrees,
                                  &of.role, &of.affiliation})
            *text = next();
        of.deleteFlag = nextFlag();
    }
    for (Contact* c : {&r.overall_contact, &r.overall_contact_backup}) {
        fillContact(*this, *c, &RecordFiller::next);
        c->deleteFlag = nextFlag();
    }
    for (int i = 0; i < 2; ++i) {
        Location& l = appendNew(r.location);
        l.facility.name = next();
        for (std::string* text : {&l.facility.address.city, &l.facility.address.state,
                                  &l.facility.address.country, &l.facility.address.zip})
            *text = next();
        l.status = next();
        fillContact(*this, l.contact, &RecordFiller::next);
        fillContact(*this, l.contact_backup, &RecordFiller::next);
        for (int j = 0; j < 2; ++j) {
            Investigator& inv = appendNew(l.investigator);
            for (std::string* text :
                 {&inv.first_name, &inv.middle_name, &inv.last_name, &inv.degrees, &inv.role})
                *text = next();
        }
        l.deleteFlag = nextFlag();
    }
    for (int i = 0; i < 2; ++i) {
        Link& k = appendNew(r.link);
        k.url = next();
        k.description = next();
        k.deleteFlag = nextFlag();
    }
    for (int i = 0; i < 2; ++i) {
        Reference& ref = appendNew(r.reference);
        ref.citation = next();
        ref.pubmed_id = next();
        ref.is_results_ref = next();
        ref.deleteFlag = nextFlag();
    }
}

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size()))
        ++count;
    return count;
}
