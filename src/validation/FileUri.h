#pragma once

#include <string>

// The XML library resolves relative references (entities, schema imports) against a
// document's base, which it cannot build from a path holding spaces or other
// characters that URIs escape. Handing it an escaped "file://" URI avoids that.

// An absolute, escaped "file://" URI for a local path; a "file://" URI is kept as it is.
std::string fileUriFromPath(const std::string& path);

// The local path that a "file://" URI names; any other text is returned unchanged.
std::string pathFromFileUri(const std::string& uri);
