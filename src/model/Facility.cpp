#include "model/Facility.h"

#include "model/ElementRules.h"

void Facility::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "name", name);
    address.readFromElement(element->findChild("address"));
}

void Facility::writeIntoParent(XmlNode& parent) const {
    XmlTreeSink sink(parent);
    write(sink);
}

void Facility::write(ElementSink& out) const {
    out.open("facility");
    writeText(out, "name", name);
    address.write(out);
    out.close();
}
