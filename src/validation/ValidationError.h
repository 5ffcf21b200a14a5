#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// A fault that keeps the validator from judging a file at all. It travels as an
// exception inside the validation run and ends as the error report.
class ValidationError : public std::runtime_error {
public:
    // Our own codes; their meanings live in one table in ValidationError.cpp.
    enum class Code : std::uint32_t {
        SchemaNotFound = 0x8004D001,
        SchemaUnreadable = 0x8004D002,
        SchemaInvalid = 0x8004D003,
        ValidatorUnavailable = 0x8004D004,
        ParserUnavailable = 0x8004D005,
        SerialisationFailed = 0x8004D006,
    };

    ValidationError(Code code, std::string source, std::string description);

    Code code() const { return m_code; }
    const std::string& source() const { return m_source; }
    const std::string& description() const { return m_description; }

    // "Error", then code, meaning, source and description, one per line.
    std::string reportText() const;

    static std::string codeText(Code code);
    static std::string codeMeaning(Code code);

private:
    Code m_code;
    std::string m_source;
    std::string m_description;
};
