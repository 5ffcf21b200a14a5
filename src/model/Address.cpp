#include "model/Address.h"

#include "model/ElementRules.h"

void Address::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "city", city);
    readText(*element, "state", state);
    readText(*element, "country", country);
    readText(*element, "zip", zip);
}

void Address::writeIntoParent(XmlNode& parent) const {
    XmlTreeSink sink(parent);
    write(sink);
}

void Address::write(ElementSink& out) const {
    out.open("address");
    writeText(out, "city", city);
    writeText(out, "state", state);
    writeText(out, "country", country);
    writeText(out, "zip", zip);
    out.close();
}
