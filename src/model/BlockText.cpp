#include "model/BlockText.h"

#include "model/ElementSink.h"
#include "model/TextForms.h"
#include "model/XmlTreeSink.h"
#include "xml/XmlNode.h"

void BlockText::readFromTextblock(const XmlNode* textblock) {
    if (textblock)
        m_text = toDisplayFormAllBreaks(textblock->value());
}

void BlockText::writeTextblockInto(XmlNode& element) const {
    XmlTreeSink sink(element);
    write(sink);
}

void BlockText::write(ElementSink& out) const {
    out.text("textblock", toXmlForm(m_text));
}
