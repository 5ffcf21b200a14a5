#include "model/Intervention.h"

#include "model/ElementRules.h"

void Intervention::clearLists() {
    arm_group_label.clear();
    intervention_other_name.clear();
}

void Intervention::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    clearLists();
    readText(*element, "intervention_type", intervention_type);
    readText(*element, "intervention_name", intervention_name);
    readBlockText(*element, "intervention_description", intervention_description);
    readTextList(*element, "arm_group_label", arm_group_label);
    readTextList(*element, "intervention_other_name", intervention_other_name);
    deleteFlag = readDeleteFlag(*element);
}

void Intervention::writeIntoParent(XmlNode& parent) const {
    XmlTreeSink sink(parent);
    write(sink);
}

void Intervention::write(ElementSink& out) const {
    out.open("intervention", deleteFlag);
    writeText(out, "intervention_type", intervention_type);
    writeText(out, "intervention_name", intervention_name);
    writeBlockText(out, "intervention_description", intervention_description);
    writeTextList(out, "arm_group_label", arm_group_label);
    writeTextList(out, "intervention_other_name", intervention_other_name);
    out.close();
}
