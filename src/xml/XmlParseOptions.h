#pragma once

#include "xml/XmlEntityTable.h"
#include "xml/XmlSkippedPart.h"

#include <cstddef>
#include <string>
#include <vector>

// Error codes the reader records.
enum class XmlParseError {
    None = 0,
    ElementNotClosed = 1,   // "/" in a start tag not followed by ">"
    MissingEndTag = 2,      // text or children run to the end of the input
    MismatchedEndTag = 3,   // end tag of another element, toleration off
    AttributeError = 4,     // attribute name followed by neither space nor "="
    NestedTooDeeply = 5,    // more levels than kMaxDepth
    Unterminated = 6,       // a start tag, attribute value, comment, CDATA section or
                            // processing instruction runs to the end of the input
};

// Reader options; also where the reader reports the first error it meets.
struct XmlParseOptions {
    // Deeper nesting is refused so that hostile input cannot exhaust the stack.
    static constexpr int kMaxDepth = 512;
    // Skipped parts listed one by one; beyond that they are only counted.
    static constexpr std::size_t kMaxListedSkippedParts = 100;

    bool trimValues = false;
    bool decodeEntities = true;
    const XmlEntityTable* entities = &kXmlEntities;
    char escapeChar = '\\';  // 0: no escape character
    bool tolerateMismatchedEndTags = true;

    bool errorFlag = false;
    std::size_t errorPosition = 0;
    int errorCode = 0;
    std::string errorMessage;

    // What the reader passed over, in reading order.
    std::vector<XmlSkippedPart> skippedParts;
    std::size_t skippedPartCount = 0;

    // The options the program loads files with: no escape character, so a
    // backslash in a real file is an ordinary byte.
    static XmlParseOptions program() {
        XmlParseOptions options;
        options.escapeChar = 0;
        return options;
    }

    // The reader's classic options: backslash escapes the next character.
    static XmlParseOptions backslash() { return XmlParseOptions(); }

    void clearError() {
        errorFlag = false;
        errorPosition = 0;
        errorCode = 0;
        errorMessage.clear();
    }

    // Records an error unless one is recorded already.
    void recordError(std::size_t position, XmlParseError code, std::string message);
    void recordSkipped(XmlSkippedPart part);
    // Where the listed skipped parts are, in reading order.
    std::vector<std::size_t> skippedPositions() const;
    // Forgets what was recorded after the first `count`.
    void forgetSkippedAfter(std::size_t count);
};
