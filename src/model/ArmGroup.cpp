#include "model/ArmGroup.h"

#include "model/ElementRules.h"

void ArmGroup::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "arm_group_label", arm_group_label);
    readText(*element, "arm_type", arm_type);
    readBlockText(*element, "arm_group_description", arm_group_description);
    deleteFlag = readDeleteFlag(*element);
}

void ArmGroup::writeIntoParent(XmlNode& parent) const {
    XmlNode& element = writeText(parent, "arm_group", {});
    writeText(element, "arm_group_label", arm_group_label);
    writeText(element, "arm_type", arm_type);
    writeBlockText(element, "arm_group_description", arm_group_description);
    writeDeleteFlag(element, deleteFlag);
}
