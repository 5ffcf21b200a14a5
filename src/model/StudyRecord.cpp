#include "model/StudyRecord.h"

#include "model/ElementWriter.h"
#include "model/RecordClearer.h"
#include "model/TextForms.h"
#include "model/XmlTreeSink.h"

namespace {

constexpr std::string_view kElementName = "clinical_study";

} // namespace

void StudyRecord::clear() { RecordClearer::clear(*this); }

bool StudyRecord::isPartialUpload() const { return booleanFromText(partial_upload); }

void StudyRecord::emptyLists() {
    primary_outcome.clear();
    secondary_outcome.clear();
    other_outcome.clear();
    condition.clear();
    keyword.clear();
    arm_group.clear();
    intervention.clear();
    overall_official.clear();
    location.clear();
    link.clear();
    reference.clear();
    study_document.clear();
}

void StudyRecord::readFromClinicalStudy(const XmlNode* study) {
    emptyLists();
    if (!study)
        return;
    ElementReader::Context context;
    ElementReader::read(*this, *study, context);
}

void StudyRecord::readFromClinicalStudy(const XmlNode& study, ElementReader::Context& context) {
    emptyLists();
    ElementReader::read(*this, study, context);
}

void StudyRecord::writeIntoCollection(XmlNode* collection) const {
    if (!collection)
        return;
    XmlTreeSink sink(*collection);
    write(sink);
}

void StudyRecord::write(ElementSink& out) const { ElementWriter::write(*this, kElementName, out); }
