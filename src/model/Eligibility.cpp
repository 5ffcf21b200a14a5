#include "model/Eligibility.h"

#include "model/ElementRules.h"

void Eligibility::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readBlockText(*element, "study_population", study_population);
    readText(*element, "sampling_method", sampling_method);
    readBlockText(*element, "criteria", criteria);
    readText(*element, "healthy_volunteers", healthy_volunteers);
    readText(*element, "gender", gender);
    readText(*element, "minimum_age", minimum_age);
    readText(*element, "maximum_age", maximum_age);
    deleteFlag = readDeleteFlag(*element);
}

void Eligibility::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "eligibility", {});
    writeBlockText(element, "study_population", study_population);
    writeText(element, "sampling_method", sampling_method);
    writeBlockText(element, "criteria", criteria);
    writeText(element, "healthy_volunteers", healthy_volunteers);
    writeText(element, "gender", gender);
    writeText(element, "minimum_age", minimum_age);
    writeText(element, "maximum_age", maximum_age);
    writeDeleteFlag(element, deleteFlag);
}
