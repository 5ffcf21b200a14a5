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
    XmlTreeSink sink(parent);
    write(sink);
}

void StudyDesign::write(ElementSink& out) const {
    out.open("study_design");
    writeField(out, "study_type", study_type);
    interventional_design.write(out);
    observational_design.write(out);
    out.close();
}
