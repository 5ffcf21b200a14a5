#pragma once

#include <cstddef>
#include <string>

// An end tag the reader skipped because it names another element than the
// open one. Neither it nor text following it inside that element reaches
// the tree, so whoever loads a file must say so.
struct XmlStrayEndTag {
    std::size_t position = 0; // of its "</", counted from the start of the whole text
    std::string name;
    std::string openElement;
};
