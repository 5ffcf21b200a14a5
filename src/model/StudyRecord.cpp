#include "model/StudyRecord.h"

#include "model/ElementRules.h"

namespace {

// Conditions and keywords are written with their display text.
void writeDisplayFieldList(ElementSink& out, std::string_view name,
                           const std::vector<FieldValue>& list) {
    for (const FieldValue& entry : list)
        out.text(name, entry.displayText(), entry.deleteFlag());
}

template <class Record>
void writeList(ElementSink& out, std::string_view name, const OwningList<Record>& list) {
    for (const auto& entry : list)
        entry->write(out, name);
}

template <class Record> void writeList(ElementSink& out, const OwningList<Record>& list) {
    for (const auto& entry : list)
        entry->write(out);
}

} // namespace

void StudyRecord::emptyLists() {
    primary_outcome.clear();
    secondary_outcome.clear();
    condition.clear();
    keyword.clear();
    arm_group.clear();
    intervention.clear();
    overall_official.clear();
    location.clear();
    link.clear();
    reference.clear();
}

void StudyRecord::readFromClinicalStudy(const XmlNode* study) {
    emptyLists();
    if (!study)
        return;
    const XmlNode& s = *study;
    id_info.readFromElement(s.findChild("id_info"));
    readField(s, "is_fda_regulated", is_fda_regulated);
    readField(s, "is_section_801", is_section_801);
    readField(s, "delayed_posting", delayed_posting);
    readField(s, "is_ind_study", is_ind_study);
    ind_info.readFromElement(s.findChild("ind_info"));
    readField(s, "brief_title", brief_title);
    readText(s, "acronym", acronym);
    readField(s, "official_title", official_title);
    sponsors.readFromElement(s.findChild("sponsors"));
    oversight_info.readFromElement(s.findChild("oversight_info"));
    readTextBlock(s, "brief_summary", brief_summary);
    readTextBlock(s, "detailed_description", detailed_description);
    readField(s, "overall_status", overall_status);
    readField(s, "why_stopped", why_stopped);
    readField(s, "expanded_access_status", expanded_access_status);
    readText(s, "verification_date", verification_date);
    readField(s, "start_date", start_date);
    readText(s, "end_date", end_date);
    readField(s, "last_follow_up_date", last_follow_up_date);
    readField(s, "last_follow_up_date_type", last_follow_up_date_type);
    readField(s, "primary_compl_date", primary_compl_date);
    readField(s, "primary_compl_date_type", primary_compl_date_type);
    study_design.readFromElement(s.findChild("study_design"));
    readRecordList(s, "primary_outcome", primary_outcome);
    readRecordList(s, "secondary_outcome", secondary_outcome);
    readField(s, "enrollment", enrollment);
    readField(s, "enrollment_type", enrollment_type);
    readFieldList(s, "condition", condition);
    readFieldList(s, "keyword", keyword);
    readRecordList(s, "arm_group", arm_group);
    readRecordList(s, "intervention", intervention);
    eligibility.readFromElement(s.findChild("eligibility"));
    readRecordList(s, "overall_official", overall_official);
    overall_contact.readFromElement(s.findChild("overall_contact"));
    overall_contact_backup.readFromElement(s.findChild("overall_contact_backup"));
    readRecordList(s, "location", location);
    readRecordList(s, "link", link);
    readRecordList(s, "reference", reference);
    results.takeFromClinicalStudy(s);
    result_disposition.takeFromClinicalStudy(s);
}

void StudyRecord::writeIntoCollection(XmlNode* collection) const {
    if (!collection)
        return;
    XmlTreeSink sink(*collection);
    write(sink);
}

void StudyRecord::write(ElementSink& s) const {
    s.open("clinical_study");
    id_info.write(s);
    writeField(s, "is_fda_regulated", is_fda_regulated);
    writeField(s, "is_section_801", is_section_801);
    writeField(s, "delayed_posting", delayed_posting);
    writeField(s, "is_ind_study", is_ind_study);
    ind_info.write(s);
    writeField(s, "brief_title", brief_title);
    writeText(s, "acronym", acronym);
    writeField(s, "official_title", official_title);
    sponsors.write(s);
    oversight_info.write(s);
    writeTextBlock(s, "brief_summary", brief_summary);
    writeTextBlock(s, "detailed_description", detailed_description);
    writeField(s, "overall_status", overall_status);
    writeField(s, "why_stopped", why_stopped);
    writeField(s, "expanded_access_status", expanded_access_status);
    writeText(s, "verification_date", verification_date);
    writeField(s, "start_date", start_date);
    writeText(s, "end_date", end_date);
    writeField(s, "last_follow_up_date", last_follow_up_date);
    writeField(s, "last_follow_up_date_type", last_follow_up_date_type);
    writeField(s, "primary_compl_date", primary_compl_date);
    writeField(s, "primary_compl_date_type", primary_compl_date_type);
    study_design.write(s);
    writeList(s, "primary_outcome", primary_outcome);
    writeList(s, "secondary_outcome", secondary_outcome);
    writeField(s, "enrollment", enrollment);
    writeField(s, "enrollment_type", enrollment_type);
    writeDisplayFieldList(s, "condition", condition);
    writeDisplayFieldList(s, "keyword", keyword);
    writeList(s, arm_group);
    writeList(s, intervention);
    eligibility.write(s);
    writeList(s, overall_official);
    overall_contact.write(s, "overall_contact");
    overall_contact_backup.write(s, "overall_contact_backup");
    writeList(s, location);
    writeList(s, link);
    writeList(s, reference);
    results.write(s);
    result_disposition.write(s);
    s.close();
}
