#include "validation/ValidationError.h"

#include <array>
#include <iomanip>
#include <sstream>
#include <string_view>
#include <utility>

namespace {

struct CodeEntry {
    ValidationError::Code code;
    std::string_view meaning;
};

// Every code the validator reports, with the text shown after "Code meaning = ".
constexpr std::array kCodeTable{
    CodeEntry{ValidationError::Code::SchemaNotFound, "The schema file could not be found."},
    CodeEntry{ValidationError::Code::SchemaUnreadable,
              "The schema file could not be read or is not well-formed XML."},
    CodeEntry{ValidationError::Code::SchemaInvalid, "The schema file is not a valid XML schema."},
    CodeEntry{ValidationError::Code::ValidatorUnavailable,
              "The schema validator could not be created."},
    CodeEntry{ValidationError::Code::ParserUnavailable,
              "The document parser could not be created."},
    CodeEntry{ValidationError::Code::SerialisationFailed,
              "The validated document could not be turned into text."},
};

} // namespace

ValidationError::ValidationError(Code code, std::string source, std::string description)
    : std::runtime_error(description), m_code(code), m_source(std::move(source)),
      m_description(std::move(description)) {}

std::string ValidationError::codeText(Code code) {
    std::ostringstream text;
    text << "0x" << std::hex << std::uppercase << std::setw(8) << std::setfill('0')
         << static_cast<std::uint32_t>(code);
    return text.str();
}

std::string ValidationError::codeMeaning(Code code) {
    for (const CodeEntry& entry : kCodeTable) {
        if (entry.code == code)
            return std::string(entry.meaning);
    }
    return "Unknown error " + codeText(code);
}

std::string ValidationError::reportText() const {
    return "Error\nCode = " + codeText(m_code) + "\nCode meaning = " + codeMeaning(m_code) +
           "\nSource = " + m_source + "\nDescription = " + m_description;
}
