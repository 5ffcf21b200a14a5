#pragma once

#include <string>

// The verdict of one validation run: the text shown to the user and how it ended.
struct ValidationReport {
    enum class Status {
        Succeeded, // the file is valid; the text holds the document
        Failed,    // the file is malformed or invalid; the text names the first error
        Error,     // the schema or the validator could not be set up; the text is an error report
    };

    Status status = Status::Error;
    std::string text;
};
