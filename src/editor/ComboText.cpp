#include "editor/ComboText.h"

#include "model/FieldValue.h"
#include "platform/TextCodec.h"

#include <QComboBox>

int ComboText::matchIndex(const QComboBox& box, const QString& text) {
    if (text.isEmpty()) {
        return -1;
    }
    for (int i = 0; i < box.count(); ++i) {
        if (box.itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            return i;
        }
    }
    return -1;
}

bool ComboText::select(QComboBox& box, const QString& text) {
    const int index = matchIndex(box, text);
    box.setCurrentIndex(index);
    return index >= 0;
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
