#include "model/ElementWriter.h"

#include "model/BlockText.h"
#include "model/FieldValue.h"
#include "model/ResultsElement.h"
#include "model/TextBlock.h"

void ElementWriter::text(std::string_view name, const std::string& text) { m_out.text(name, text); }

void ElementWriter::field(std::string_view name, const FieldValue& field) {
    m_out.text(name, field.xmlText(), field.deleteFlag());
}

void ElementWriter::blockText(std::string_view name, const BlockText& block) {
    m_out.open(name);
    block.write(m_out);
    m_out.close();
}

void ElementWriter::textBlock(std::string_view name, const TextBlock& block) {
    block.write(m_out, name);
}

void ElementWriter::textList(std::string_view name, const std::vector<std::string>& list) {
    for (const std::string& entry : list)
        m_out.text(name, entry);
}

void ElementWriter::fieldList(std::string_view name, const std::vector<FieldValue>& list) {
    for (const FieldValue& entry : list)
        m_out.text(name, entry.displayText(), entry.deleteFlag());
}

void ElementWriter::results(const ResultsElement& holder) { holder.write(m_out); }
