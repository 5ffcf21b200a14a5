#pragma once

#include <string>

// The text of one line of a file, without its line end; empty when the file cannot be
// read or has fewer lines. Lines are counted as the XML parser counts them, by line
// feeds only, so that the number matches the parser's: a saved file's carriage returns
// before each line feed belong to the line end and are not part of the text.
std::string sourceLineText(const std::string& path, long lineNumber);
