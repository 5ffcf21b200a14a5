#include "model/ObservationalDesign.h"

#include "model/ElementRules.h"

void ObservationalDesign::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "observational_study_design", observational_study_design);
    readText(*element, "biospecimen_retention", biospecimen_retention);
    readBlockText(*element, "biospecimen_description", biospecimen_description);
    readText(*element, "timing", timing);
    readText(*element, "number_of_groups", number_of_groups);
    deleteFlag = readDeleteFlag(*element);
}

void ObservationalDesign::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "observational_design", {});
    writeText(element, "observational_study_design", observational_study_design);
    writeText(element, "biospecimen_retention", biospecimen_retention);
    writeBlockText(element, "biospecimen_description", biospecimen_description);
    writeText(element, "timing", timing);
    writeText(element, "number_of_groups", number_of_groups);
    writeDeleteFlag(element, deleteFlag);
}
