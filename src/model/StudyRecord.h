#pragma once

#include "model/ArmGroup.h"
#include "model/Contact.h"
#include "model/ElementReader.h"
#include "model/Eligibility.h"
#include "model/FieldValue.h"
#include "model/IdInfo.h"
#include "model/IndInfo.h"
#include "model/Intervention.h"
#include "model/IpdSharingStatement.h"
#include "model/Link.h"
#include "model/Location.h"
#include "model/Official.h"
#include "model/Outcome.h"
#include "model/OversightInfo.h"
#include "model/OwningList.h"
#include "model/Reference.h"
#include "model/ResultsElement.h"
#include "model/Sponsors.h"
#include "model/StudyDesign.h"
#include "model/StudyDocument.h"
#include "model/TextBlock.h"

#include <string>
#include <vector>

class ElementSink;
class XmlNode;

// One protocol: one "clinical_study" element. Fields are declared in the
// order in which they are written.
class StudyRecord {
public:
    StudyRecord() = default;
    virtual ~StudyRecord() = default;
    StudyRecord(const StudyRecord&) = delete;
    StudyRecord& operator=(const StudyRecord&) = delete;

    // The clinical_study element's attribute: "true" makes an upload replace
    // only the elements the file carries. Kept as the file spells it.
    std::string partial_upload;
    IdInfo id_info;
    FieldValue is_fda_regulated;
    FieldValue is_section_801;
    FieldValue delayed_posting;
    FieldValue is_ind_study;
    IndInfo ind_info;
    FieldValue brief_title;
    std::string acronym;
    FieldValue official_title;
    Sponsors sponsors;
    OversightInfo oversight_info;
    TextBlock brief_summary;
    TextBlock detailed_description;
    FieldValue overall_status;
    FieldValue why_stopped;
    FieldValue expanded_access_status;
    std::string verification_date;
    FieldValue start_date;
    FieldValue start_date_type;
    std::string end_date;
    FieldValue last_follow_up_date;
    FieldValue last_follow_up_date_type;
    FieldValue primary_compl_date;
    FieldValue primary_compl_date_type;
    StudyDesign study_design;
    OwningList<Outcome> primary_outcome;
    OwningList<Outcome> secondary_outcome;
    OwningList<Outcome> other_outcome;
    FieldValue enrollment;
    FieldValue enrollment_type;
    // Written with their display text: a line break stays a raw CR LF.
    std::vector<FieldValue> condition;
    std::vector<FieldValue> keyword;
    OwningList<ArmGroup> arm_group;
    OwningList<Intervention> intervention;
    Eligibility eligibility;
    OwningList<Official> overall_official;
    Contact overall_contact;
    Contact overall_contact_backup;
    OwningList<Location> location;
    IpdSharingStatement ipd_sharing_statement;
    OwningList<Link> link;
    OwningList<Reference> reference;
    OwningList<StudyDocument> study_document;
    ResultsElement results{ResultsElement::Kind::Results};
    ResultsElement result_disposition{ResultsElement::Kind::ResultDisposition};

    // Whether an upload of this record replaces only what the file carries.
    bool isPartialUpload() const;

    // Every field as in a new record.
    void clear();
    // Destroys the entries of the lists; nothing else changes.
    void emptyLists();
    // Null changes nothing after the lists are emptied.
    void readFromClinicalStudy(const XmlNode* study);
    // The same, adding to the context's report whatever the record has no place for.
    void readFromClinicalStudy(const XmlNode& study, ElementReader::Context& context);
    // Appends one "clinical_study" element to `collection`; null does nothing.
    void writeIntoCollection(XmlNode* collection) const;
    void write(ElementSink& out) const;

    template <class Self, class Fields> static void attributes(Self& self, Fields& f) {
        f.attribute("partial_upload", self.partial_upload);
    }
    // The element's children in the order they are written.
    template <class Self, class Fields> static void fields(Self& self, Fields& f) {
        f.record("id_info", self.id_info);
        f.field("is_fda_regulated", self.is_fda_regulated);
        f.field("is_section_801", self.is_section_801);
        f.field("delayed_posting", self.delayed_posting);
        f.field("is_ind_study", self.is_ind_study);
        f.record("ind_info", self.ind_info);
        f.field("brief_title", self.brief_title);
        f.text("acronym", self.acronym);
        f.field("official_title", self.official_title);
        f.record("sponsors", self.sponsors);
        f.record("oversight_info", self.oversight_info);
        f.textBlock("brief_summary", self.brief_summary);
        f.textBlock("detailed_description", self.detailed_description);
        f.field("overall_status", self.overall_status);
        f.field("why_stopped", self.why_stopped);
        f.field("expanded_access_status", self.expanded_access_status);
        f.text("verification_date", self.verification_date);
        f.field("start_date", self.start_date);
        f.optionalField("start_date_type", self.start_date_type);
        f.text("end_date", self.end_date);
        f.field("last_follow_up_date", self.last_follow_up_date);
        f.field("last_follow_up_date_type", self.last_follow_up_date_type);
        f.field("primary_compl_date", self.primary_compl_date);
        f.field("primary_compl_date_type", self.primary_compl_date_type);
        f.record("study_design", self.study_design);
        f.list("primary_outcome", self.primary_outcome);
        f.list("secondary_outcome", self.secondary_outcome);
        f.list("other_outcome", self.other_outcome);
        f.field("enrollment", self.enrollment);
        f.field("enrollment_type", self.enrollment_type);
        f.fieldList("condition", self.condition);
        f.fieldList("keyword", self.keyword);
        f.list("arm_group", self.arm_group);
        f.list("intervention", self.intervention);
        f.record("eligibility", self.eligibility);
        f.list("overall_official", self.overall_official);
        f.record("overall_contact", self.overall_contact);
        f.record("overall_contact_backup", self.overall_contact_backup);
        f.list("location", self.location);
        f.optionalRecord("ipd_sharing_statement", self.ipd_sharing_statement);
        f.list("link", self.link);
        f.list("reference", self.reference);
        f.list("study_document", self.study_document);
        f.results(self.results);
        f.results(self.result_disposition);
    }
};
