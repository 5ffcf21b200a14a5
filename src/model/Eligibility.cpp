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
    XmlTreeSink sink(parent);
    write(sink);
}

void Eligibility::write(ElementSink& out) const {
    out.open("eligibility", deleteFlag);
    writeBlockText(out, "study_population", study_population);
    writeText(out, "sampling_method", sampling_method);
    writeBlockText(out, "criteria", criteria);
    writeText(out, "healthy_volunteers", healthy_volunteers);
    writeText(out, "gender", gender);
    writeText(out, "minimum_age", minimum_age);
    writeText(out, "maximum_age", maximum_age);
    out.close();
}
