#pragma once

#include "validation/SchemaLocation.h"
#include "validation/ValidationReport.h"

#include <string>

// Validates the collection file at `path` against the schema for the registry's PRS
// namespace, found through `schema`, and composes the report:
//   succeeded: "Validation succeeded for PATH", a line of 22 "=", then the file's own
//              bytes, read again from the file only when the report is written;
//   failed:    "Validation failed on PATH", a line of 21 "=", then the first error's
//              "Reason: ", the offending line's "Source: " text and its "Line: " number;
//   error:     the error report of ValidationError, when the schema is missing or broken
//              or the validator cannot be set up.
// The file is read once, validated while it is read. It is judged on its own: one that
// declares an external DTD or entity is refused, and nothing it names is opened.
// Schema includes and imports come from local files only; nothing goes to the network.
// The first call sets up the XML library and installs, for the whole process, an
// entity loader that enforces this. Each call keeps its own error state (the library's
// error handlers are per thread), so calls may run on several threads.
ValidationReport validateFile(const std::string& path, const SchemaLocation& schema);
