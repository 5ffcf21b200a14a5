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
    XmlNode& element = writeText(parent, "intervention", {});
    writeText(element, "intervention_type", intervention_type);
    writeText(element, "intervention_name", intervention_name);
    writeBlockText(element, "intervention_description", intervention_description);
    writeTextList(element, "arm_group_label", arm_group_label);
    writeTextList(element, "intervention_other_name", intervention_other_name);
    writeDeleteFlag(element, deleteFlag);
}
