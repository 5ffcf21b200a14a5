#include "model/FieldValue.h"

#include "model/TextForms.h"

std::string FieldValue::displayText() const {
    return toDisplayForm(m_text);
}

void FieldValue::setText(std::string_view text) {
    m_text = toXmlForm(text);
}

void FieldValue::setFromXml(std::string_view text, const std::string* deleteAttribute) {
    m_text = fromElementText(text);
    m_deleteFlag = deleteAttribute && booleanFromText(*deleteAttribute);
}
