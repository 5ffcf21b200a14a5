#pragma once

#include <iosfwd>
#include <memory>
#include <string>

class DocumentSource;

// The verdict of one validation run and the report shown for it.
struct ValidationReport {
    enum class Status {
        Succeeded, // the file is valid; the report goes on with the document
        Failed,    // the file is malformed or invalid; the text names the first error
        Error,     // the schema or the validator could not be set up; the text is an error report
    };

    Status status = Status::Error;
    // The report. A success report goes on with the validated file's own bytes, which
    // are not held here but read from `document` while the report is written.
    std::string text;
    std::shared_ptr<DocumentSource> document;
    // For a failed file, the first error alone, for callers that list it in
    // their own words: the reason and where it lies (0 when unknown).
    struct FirstError {
        std::string reason;
        long line = 0;
        int column = 0;
    };
    FirstError firstError = {};

    // Writes the whole report. False when the document changed on disk after it was
    // validated (nothing is written then; show changedText() instead) or could not
    // all be read again (what was written is incomplete).
    bool writeTo(std::ostream& out) const;
    // The error report for a document that could not be written as it was validated.
    std::string changedText() const;
};
