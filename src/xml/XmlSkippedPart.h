#pragma once

#include <cstddef>
#include <string>

// Something in a text that the reader passed over without putting it in the
// tree: whoever loads a file must say what its save will lack.
struct XmlSkippedPart {
    enum class Kind {
        EndTag,                // naming another element than the open one
        Text,                  // outside the root element, or after a child in an element
                               // that has text already
        ProcessingInstruction, // but the XML declaration
        DocumentType,
        AfterRoot,             // all that follows the root element; `name` says what starts it
    };

    Kind kind = Kind::Text;
    std::size_t position = 0; // counted from the start of the whole text
    std::string name;         // of an end tag, a processing instruction's target, or what
                              // starts the part after the root
    std::string openElement;  // empty before the root element
};
