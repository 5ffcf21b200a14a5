#pragma once

#include <QString>
#include <string>
#include <string_view>

class FieldValue;
class QComboBox;

// How every drop-down list of the editor meets the record's texts. Loading
// selects the entry that equals the text exactly; a text that is no entry
// (an older value, another spelling, another tool's word) gets an entry of its
// own at the end of the list, so that it is shown and stored back unchanged
// unless the user picks another. An empty text leaves the box without a
// selection. Storing takes the selected entry's text, or the empty text.
class ComboText {
public:
    // The index of the entry equal to `text`, or -1.
    static int matchIndex(const QComboBox& box, const QString& text);
    // Returns whether an entry of the list itself was selected.
    static bool select(QComboBox& box, const QString& text);
    static bool selectModelText(QComboBox& box, std::string_view modelText);
    static bool select(QComboBox& box, const FieldValue& field);

    static QString current(const QComboBox& box);
    static std::string currentModelText(const QComboBox& box);
    // Sets the field's text from the box.
    static void store(const QComboBox& box, FieldValue& field);

private:
    // The entries of the list itself; those after them show loaded texts.
    static int listedCount(QComboBox& box);
};
