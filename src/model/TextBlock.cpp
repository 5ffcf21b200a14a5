#include "model/TextBlock.h"

#include "model/ElementRules.h"
#include "model/TextForms.h"
#include "xml/XmlNode.h"

void TextBlock::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    m_block.readFromTextblock(element->findChild("textblock"));
    m_deleteFlag = readDeleteFlag(*element);
}

void TextBlock::writeIntoElement(XmlNode& element) const {
    m_block.writeTextblockInto(element);
    writeDeleteFlag(element, m_deleteFlag);
}

void TextBlock::write(ElementSink& out, std::string_view name) const {
    out.open(name, m_deleteFlag);
    m_block.write(out);
    out.close();
}
