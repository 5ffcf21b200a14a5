#pragma once

#include <QString>
#include <string>
#include <string_view>

class FieldValue;
class QComboBox;

// How every drop-down list of the editor meets the record's texts. Loading
// selects the first entry, from the top, that begins with the text, ignoring
// case ("active" selects "Active Comparator"); an empty text or no such entry
// leaves the box without a selection. Storing takes the selected entry's
// text, or the empty text.
class ComboText {
public:
    // The index that loading `text` selects, or -1.
    static int matchIndex(const QComboBox& box, const QString& text);
    // Returns whether an entry was selected.
    static bool select(QComboBox& box, const QString& text);
    static bool selectModelText(QComboBox& box, std::string_view modelText);
    static bool select(QComboBox& box, const FieldValue& field);

    static QString current(const QComboBox& box);
    static std::string currentModelText(const QComboBox& box);
    // Sets the field's text from the box.
    static void store(const QComboBox& box, FieldValue& field);
};
