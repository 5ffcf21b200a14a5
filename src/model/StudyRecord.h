#pragma once

#include "model/ArmGroup.h"
#include "model/Contact.h"
#include "model/Eligibility.h"
#include "model/FieldValue.h"
#include "model/IdInfo.h"
#include "model/IndInfo.h"
#include "model/Intervention.h"
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
    std::string end_date;
    FieldValue last_follow_up_date;
    FieldValue last_follow_up_date_type;
    FieldValue primary_compl_date;
    FieldValue primary_compl_date_type;
    StudyDesign study_design;
    OwningList<Outcome> primary_outcome;
    OwningList<Outcome> secondary_outcome;
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
    OwningList<Link> link;
    OwningList<Reference> reference;
    ResultsElement results{ResultsElement::Kind::Results};
    ResultsElement result_disposition{ResultsElement::Kind::ResultDisposition};

    // Destroys the entries of the ten lists; nothing else changes.
    void emptyLists();
    // Null changes nothing after the lists are emptied.
    void readFromClinicalStudy(const XmlNode* study);
    // Appends one "clinical_study" element to `collection`; null does nothing.
    void writeIntoCollection(XmlNode* collection) const;
    void write(ElementSink& out) const;
};
