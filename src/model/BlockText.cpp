#include "model/BlockText.h"

#include "model/TextForms.h"
#include "xml/XmlNode.h"

void BlockText::readFromTextblock(const XmlNode* textblock) {
    if (textblock)
        m_text = toDisplayFormAllBreaks(textblock->value());
}

void BlockText::writeTextblockInto(XmlNode& element) const {
    element.appendChildElement("textblock", toXmlForm(m_text));
}
