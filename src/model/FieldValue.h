#pragma once

#include <string>
#include <string_view>

// A text with a delete flag. The text is held in XML form: every line break
// is the marker "&#xd;".
class FieldValue {
public:
    FieldValue() = default;
    explicit FieldValue(std::string_view text) { setText(text); }
    virtual ~FieldValue() = default;
    FieldValue(const FieldValue&) = default;
    FieldValue& operator=(const FieldValue&) = default;
    FieldValue(FieldValue&&) = default;
    FieldValue& operator=(FieldValue&&) = default;

    // Line breaks as CR LF.
    std::string displayText() const;
    // Line breaks as markers. The stored text never holds a line feed, so
    // converting its display form back gives the stored text itself.
    const std::string& xmlText() const { return m_text; }
    // Stores the text with CR LF, then every remaining LF, turned into markers.
    void setText(std::string_view text);
    // The element text and the "delete" attribute (null when absent). Line
    // breaks in any form another tool writes become markers.
    void setFromXml(std::string_view text, const std::string* deleteAttribute);

    bool deleteFlag() const { return m_deleteFlag; }
    void setDeleteFlag(bool flag) { m_deleteFlag = flag; }

    bool operator==(const FieldValue& other) const = default;

private:
    bool m_deleteFlag = false;
    std::string m_text;
};
