#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

// How the list rows carry a field that holds several texts in one cell, and
// how a row's multi-line cells meet the multi-line edits of the item dialogs.
class ItemTexts {
public:
    // The maximal runs of characters other than ','; empty runs are skipped,
    // blanks are kept. A label that holds a comma becomes two labels.
    static QStringList splitAtCommas(const QString& text);
    // The non-empty lines of `text`, carriage returns removed; blanks are kept.
    static QStringList splitLines(const QString& text);

    // TextCodec's decode and encode, with a short way for plain ASCII, which
    // is most of a record and maps to itself: long lists load and store fast.
    static QString decode(std::string_view bytes);
    static std::string encode(const QString& text);
    // Whether `shown` is what decode(bytes) gives, without making that text
    // when the bytes are plain ASCII.
    static bool sameText(const QString& shown, std::string_view bytes);

    // A cell's "\r\n" line breaks as the "\n" of a text widget, and back.
    static QString toEditLines(const QString& cell);
    static QString fromEditLines(const QString& edited);
};
