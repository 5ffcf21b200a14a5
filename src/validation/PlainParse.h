#pragma once

#include "validation/XmlErrorCapture.h"

#include <optional>

class DocumentSource;

// Reads a document with the library's ordinary parser, building nothing and loading
// nothing, for what the validating reader cannot tell.
//
// A document is validated on its own: an external DTD or entity may name any local
// file, a device that never ends, or another user's secrets, so a document that
// declares one is refused where it does, whether the declaration is used or not.
class PlainParse {
public:
    // Reads the prolog, everything before the root element. True when it is well-formed
    // and declares nothing external; otherwise `capture` holds the first error, on its
    // line. `parserOptions` are the ones the document is validated with.
    static bool prologPasses(DocumentSource& source, XmlErrorCapture& capture, int parserOptions);

    // The first well-formedness error of the whole document, if any. The validating
    // reader calls a document that ends inside an element "extra content at the end";
    // this parser names the element left open.
    static std::optional<XmlErrorRecord> firstError(DocumentSource& source, int parserOptions);
};
