#include "model/StudyDesign.h"

#include "model/ElementRules.h"

void StudyDesign::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readField(*element, "study_type", study_type);
    interventional_design.readFromElement(element->findChild("interventional_design"));
    observational_design.readFromElement(element->findChild("observational_design"));
}

void StudyDesign::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "study_design", {});
    writeField(element, "study_type", study_type);
    interventional_design.writeIntoParent(element);
    observational_design.writeIntoParent(element);
}
