#include "editor/ComboText.h"

#include "model/FieldValue.h"
#include "platform/TextCodec.h"

#include <QComboBox>

namespace {

const char* const kListedCount = "protoscribeListedCount";

} // namespace

int ComboText::matchIndex(const QComboBox& box, const QString& text) {
    return text.isEmpty() ? -1 : box.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

int ComboText::listedCount(QComboBox& box) {
    const QVariant known = box.property(kListedCount);
    if (known.isValid()) {
        return known.toInt();
    }
    box.setProperty(kListedCount, box.count());
    return box.count();
}

bool ComboText::select(QComboBox& box, const QString& text) {
    const int listed = listedCount(box);
    while (box.count() > listed) {
        box.removeItem(box.count() - 1);
    }
    int index = matchIndex(box, text);
    if (index < 0 && !text.isEmpty()) {
        box.addItem(text);
        index = listed;
    }
    box.setCurrentIndex(index);
    return index >= 0 && index < listed;
}

bool ComboText::selectModelText(QComboBox& box, std::string_view modelText) {
    return select(box, TextCodec::decode(modelText));
}

bool ComboText::select(QComboBox& box, const FieldValue& field) {
    return selectModelText(box, field.displayText());
}

QString ComboText::current(const QComboBox& box) {
    return box.currentIndex() < 0 ? QString() : box.currentText();
}

std::string ComboText::currentModelText(const QComboBox& box) {
    return TextCodec::encode(current(box));
}

void ComboText::store(const QComboBox& box, FieldValue& field) {
    field.setText(currentModelText(box));
}
