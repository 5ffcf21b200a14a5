#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

class FieldValue;

// The text rules of the list pages that need no widgets: how a row's cells
// carry fields that hold several texts, and how cells meet the multi-line
// edits of the item dialogs.
class ItemTexts {
public:
    // The items' display texts, one per line, separated by CR LF.
    static std::string joinLines(const std::vector<FieldValue>& items);
    // One text per non-empty line, carriage returns removed; blanks stay.
    static std::vector<std::string> splitLines(std::string_view text);
    // The maximal runs of characters other than ','; empty runs are skipped,
    // blanks are kept. A label that holds a comma becomes two labels.
    static QStringList splitAtCommas(const QString& text);

    // A web address as the user typed it, with "http://" put in front unless
    // "http://" or "https://" (in any letter case) already occurs anywhere in it.
    static std::string withWebScheme(std::string_view url);

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
