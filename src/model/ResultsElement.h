#pragma once

#include "xml/XmlNode.h"
#include "xml/XmlParseOptions.h"

#include <memory>

class ElementSink;

// Keeps a results section of a clinical_study element that the editor does
// not model, so that loading and saving a file does not drop it.
class ResultsElement {
public:
    enum class Kind {
        Results,           // a child whose name holds "result", not "resultdisposition"
        ResultDisposition, // a child whose name holds "resultdisposition"
    };

    // Levels a held element may have so that the saved file, where it sits
    // at depth three, can still be read.
    static constexpr int kMaxLevels = XmlParseOptions::kMaxDepth - 2;

    explicit ResultsElement(Kind kind) : m_kind(kind) {}
    virtual ~ResultsElement() = default;
    ResultsElement(const ResultsElement&) = delete;
    ResultsElement& operator=(const ResultsElement&) = delete;

    Kind kind() const { return m_kind; }
    // The held copy; nameless and empty until a qualifying element is taken.
    const XmlNode& node() const;

    // Copies the last child of `study` whose letter-case-insensitive name
    // qualifies for this kind.
    void takeFromClinicalStudy(const XmlNode& study);
    // Holds nothing again.
    void clear();
    // Appends a copy of the held element when it has at least one child.
    void writeIntoClinicalStudy(XmlNode& study) const;
    void write(ElementSink& out) const;

    bool qualifies(const std::string& childName) const;
    // Holds a copy of `element`, unless a saved file could not give it back;
    // false then, and the held copy stays as it was.
    bool copyFrom(const XmlNode& element);

private:

    Kind m_kind;
    // Made only when an element is taken: most records hold none.
    std::unique_ptr<XmlNode> m_node;
};
