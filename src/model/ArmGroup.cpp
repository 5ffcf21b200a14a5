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
    XmlTreeSink sink(parent);
    write(sink);
}

void ArmGroup::write(ElementSink& out) const {
    out.open("arm_group", deleteFlag);
    writeText(out, "arm_group_label", arm_group_label);
    writeText(out, "arm_type", arm_type);
    writeBlockText(out, "arm_group_description", arm_group_description);
    out.close();
}
