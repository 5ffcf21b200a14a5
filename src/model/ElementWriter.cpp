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

void ElementWriter::optionalText(std::string_view name, const std::string& text) {
    if (!text.empty())
        m_out.text(name, text);
}

void ElementWriter::optionalField(std::string_view name, const FieldValue& field) {
    if (!field.xmlText().empty() || field.deleteFlag())
        ElementWriter::field(name, field);
}

void ElementWriter::optionalBlockText(std::string_view name, const BlockText& block) {
    if (!block.text().empty())
        blockText(name, block);
}

void ElementWriter::Probe::field(std::string_view, const FieldValue& field) {
    found |= !field.xmlText().empty() || field.deleteFlag();
}

void ElementWriter::Probe::blockText(std::string_view, const BlockText& block) {
    found |= !block.text().empty();
}

void ElementWriter::Probe::textBlock(std::string_view, const TextBlock& block) {
    found |= !block.text().empty() || block.deleteFlag();
}

void ElementWriter::Probe::results(const ResultsElement& holder) {
    found |= holder.node().childCount() > 0;
}
