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
    XmlTreeSink sink(parent);
    write(sink);
}

void ObservationalDesign::write(ElementSink& out) const {
    out.open("observational_design", deleteFlag);
    writeText(out, "observational_study_design", observational_study_design);
    writeText(out, "biospecimen_retention", biospecimen_retention);
    writeBlockText(out, "biospecimen_description", biospecimen_description);
    writeText(out, "timing", timing);
    writeText(out, "number_of_groups", number_of_groups);
    out.close();
}
