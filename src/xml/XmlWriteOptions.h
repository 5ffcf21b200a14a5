#pragma once

#include "xml/XmlEntityTable.h"

// Writer options. `depth` changes while a tree is written and is back at its
// starting value afterwards.
struct XmlWriteOptions {
    bool lineBreaks = true;
    bool encodeEntities = true;
    const XmlEntityTable* entities = &kXmlEntities;
    int depth = 0;
    char quoteChar = '"';

    // The one program-wide instance with the defaults; the collection save uses it.
    static XmlWriteOptions& programDefault();
};
