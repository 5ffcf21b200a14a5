#include "model/BlockText.h"

#include "model/ElementSink.h"
#include "model/TextForms.h"
#include "model/XmlTreeSink.h"
#include "xml/XmlNode.h"

void BlockText::readFromTextblock(const XmlNode* textblock) {
    if (textblock)
        readFromXml(textblock->value());
}

void BlockText::readFromXml(std::string_view text) {
    m_text = displayFromElementText(text);
}

void BlockText::writeTextblockInto(XmlNode& element) const {
    XmlTreeSink sink(element);
    write(sink);
}

void BlockText::write(ElementSink& out) const {
    out.text("textblock", toXmlForm(m_text));
}
