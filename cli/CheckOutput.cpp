#include "cli/CheckOutput.h"

#include "model/RegistryText.h"

namespace {

void writeTextLine(const CheckFinding& finding, const std::string& file, std::ostream& out) {
    if (finding.isSchema())
        out << file << ':' << finding.line << ':' << finding.column << ": ";
    else
        out << finding.protocol << ": ";
    out << RuleFinding::severityName(finding.severity) << ": "
        << (finding.isSchema() ? CheckOutput::kSchemaRule : finding.section) << ": ";
    if (finding.item > 0)
        out << finding.list << ' ' << finding.item << ": ";
    // A message quotes record text, which may hold line breaks; one finding stays one line.
    for (char c : finding.message)
        out << (c == '\n' || c == '\r' ? ' ' : c);
    out << '\n';
}

void writeJsonObject(const CheckFinding& finding, const std::string& file, std::ostream& out) {
    const auto json = &CheckOutput::jsonString;
    out << "{\"protocol\": " << (finding.isSchema() ? "null" : json(finding.protocol))
        << ", \"severity\": " << json(RuleFinding::severityName(finding.severity))
        << ", \"rule\": " << json(finding.isSchema() ? CheckOutput::kSchemaRule : finding.rule)
        << ", \"section\": "
        << json(finding.isSchema() ? CheckOutput::kSchemaRule : finding.section)
        << ", \"path\": " << json(finding.path);
    if (finding.item > 0)
        out << ", \"list\": " << json(finding.list) << ", \"item\": " << finding.item;
    if (finding.isSchema())
        out << ", \"file\": " << json(file) << ", \"line\": " << finding.line
            << ", \"column\": " << finding.column;
    out << ", \"message\": " << json(finding.message) << '}';
}

} // namespace

void CheckOutput::writeText(std::span<const CheckFinding> findings, const std::string& file,
                            std::ostream& out) {
    for (const CheckFinding& finding : findings)
        writeTextLine(finding, file, out);
}

void CheckOutput::writeJson(std::span<const CheckFinding> findings, const std::string& file,
                            std::ostream& out) {
    out << '[';
    const char* separator = "\n  ";
    for (const CheckFinding& finding : findings) {
        out << separator;
        writeJsonObject(finding, file, out);
        separator = ",\n  ";
    }
    out << (findings.empty() ? "]\n" : "\n]\n");
}

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

// One byte of valid UTF-8 text, escaped where JSON needs it.
void appendJsonByte(std::string& quoted, char c) {
    switch (c) {
    case '"':
        quoted += "\\\"";
        break;
    case '\\':
        quoted += "\\\\";
        break;
    case '\n':
        quoted += "\\n";
        break;
    case '\r':
        quoted += "\\r";
        break;
    case '\t':
        quoted += "\\t";
        break;
    default:
        if (static_cast<unsigned char>(c) < 0x20) {
            quoted += "\\u00";
            quoted += kHexDigits[static_cast<unsigned char>(c) >> 4];
            quoted += kHexDigits[static_cast<unsigned char>(c) & 0xF];
        } else {
            quoted += c;
        }
    }
}

} // namespace

std::string CheckOutput::jsonString(std::string_view text) {
    std::string quoted = "\"";
    // Record text may hold bytes that are no UTF-8; JSON must be UTF-8, so
    // each such byte becomes the replacement character.
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = RegistryText::utf8Length(text, i);
        if (length == 0) {
            quoted += "\\ufffd";
            ++i;
        } else if (length == 1) {
            appendJsonByte(quoted, text[i++]);
        } else {
            quoted.append(text.substr(i, length));
            i += length;
        }
    }
    return quoted + '"';
}
