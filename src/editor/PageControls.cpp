#include "editor/PageControls.h"

#include "editor/ResizableDialog.h"

#include <QWidget>

const QStringList& PageControls::yesNo() {
    static const QStringList entries = {QStringLiteral("Yes"), QStringLiteral("No")};
    return entries;
}

ControlTemplate PageControls::groupBox(int id, const char* title, DialogRect rect,
                                       unsigned anchors) {
    return {.id = id,
            .kind = ControlKind::GroupBox,
            .text = QString::fromLatin1(title),
            .rect = rect,
            .anchors = anchors};
}

ControlTemplate PageControls::label(int id, const char* text, int y, int lines) {
    ControlTemplate entry = label(id, text, {kLeft, y, kWidth, kLabelHeight * lines});
    if (lines > 1) {
        entry.style = 0;
    }
    return entry;
}

ControlTemplate PageControls::label(int id, const char* text, DialogRect rect) {
    return {.id = id,
            .kind = ControlKind::StaticText,
            .text = QString::fromLatin1(text),
            .rect = rect,
            .style = StyleNoWrap};
}

ControlTemplate PageControls::edit(int id, DialogRect rect, unsigned anchors, unsigned style) {
    return {.id = id, .kind = ControlKind::Edit, .rect = rect, .anchors = anchors, .style = style};
}

ControlTemplate PageControls::edit(int id, int y) {
    return edit(id, {kLeft, y, kWidth, kControlHeight}, AnchorStretchRight);
}

ControlTemplate PageControls::multiLineEdit(int id, int y, int height, unsigned anchors) {
    return {.id = id,
            .kind = ControlKind::MultiLineEdit,
            .rect = {kLeft, y, kWidth, height},
            .anchors = anchors};
}

ControlTemplate PageControls::combo(int id, DialogRect rect, unsigned anchors,
                                    QStringList entries) {
    return {.id = id,
            .kind = ControlKind::ComboBox,
            .rect = rect,
            .anchors = anchors,
            .entries = std::move(entries)};
}

ControlTemplate PageControls::combo(int id, int y, QStringList entries) {
    return combo(id, {kLeft, y, kWidth, kControlHeight}, AnchorStretchRight, std::move(entries));
}

ControlTemplate PageControls::fieldLabel(const char* text, int y) {
    return label(ControlTemplate::kNoId, text, {kLeft, y, 200, kLabelHeight});
}

ControlTemplate PageControls::button(int id, const char* text, int x, int y, unsigned anchors) {
    return {.id = id,
            .kind = ControlKind::PushButton,
            .text = QString::fromLatin1(text),
            .rect = {x, y, 50, 14},
            .anchors = anchors};
}

ControlTemplate PageControls::bottomButton(int id, const char* text, int x) {
    return button(id, text, x, 309, AnchorMoveDown);
}

void PageControls::setEnabled(const ResizableDialog& page, std::initializer_list<int> ids,
                              bool enabled) {
    for (int id : ids) {
        if (QWidget* widget = page.control(id)) {
            widget->setEnabled(enabled);
        }
    }
}

void PageControls::setVisible(const ResizableDialog& page, std::initializer_list<int> ids,
                              bool visible) {
    for (int id : ids) {
        if (QWidget* widget = page.control(id)) {
            widget->setVisible(visible);
        }
    }
}
