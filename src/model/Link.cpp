#include "model/Link.h"

#include "model/ElementRules.h"

void Link::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    readText(*element, "url", url);
    readText(*element, "description", description);
    deleteFlag = readDeleteFlag(*element);
}

void Link::writeIntoParent(XmlNode& parent) const {
    XmlTreeSink sink(parent);
    write(sink);
}

void Link::write(ElementSink& out) const {
    out.open("link", deleteFlag);
    writeText(out, "url", url);
    writeText(out, "description", description);
    out.close();
}
