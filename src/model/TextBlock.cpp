#include "model/TextBlock.h"

#include "model/ElementSink.h"
#include "model/TextForms.h"
#include "xml/XmlNode.h"

void TextBlock::readFromElement(const XmlNode* element) {
    if (!element)
        return;
    m_block.readFromTextblock(element->findChild("textblock"));
    const std::string* flag = element->attributeValue("delete");
    m_deleteFlag = flag && booleanFromText(*flag);
}

void TextBlock::write(ElementSink& out, std::string_view name) const {
    out.open(name, m_deleteFlag);
    m_block.write(out);
    out.close();
}
