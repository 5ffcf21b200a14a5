#include "model/Agency.h"

#include "model/ElementRules.h"

void Agency::readFromElement(const XmlNode* element) {
    if (element)
        readText(*element, "agency", agency);
}

void Agency::writeIntoElement(XmlNode& element) const {
    XmlTreeSink sink(element);
    writeChildren(sink);
}

void Agency::write(ElementSink& out, std::string_view name) const {
    out.open(name);
    writeChildren(out);
    out.close();
}

void Agency::writeChildren(ElementSink& out) const {
    writeText(out, "agency", agency);
}
