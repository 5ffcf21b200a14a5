#pragma once

#include "platform/DialogTemplate.h"

#include <QStringList>
#include <initializer_list>

class QWidget;
class ResizableDialog;

// Template entries and control groups shared by the single-value pages.
// Fields stand in one column: a label, below it the control, 216 dialog
// units wide from x = 14, so that the help marker fits at the right.
class PageControls {
public:
    static constexpr int kLeft = 14;
    static constexpr int kWidth = 216;
    static constexpr int kLabelHeight = 8;
    static constexpr int kControlHeight = 12;

    static const QStringList& yesNo();

    static ControlTemplate groupBox(int id, const char* title, DialogRect rect, unsigned anchors);
    // One line of label text; `lines` > 1 wraps within the column.
    static ControlTemplate label(int id, const char* text, int y, int lines = 1);
    static ControlTemplate label(int id, const char* text, DialogRect rect);
    static ControlTemplate edit(int id, DialogRect rect, unsigned anchors, unsigned style = 0);
    static ControlTemplate edit(int id, int y);
    static ControlTemplate multiLineEdit(int id, int y, int height, unsigned anchors);
    static ControlTemplate combo(int id, DialogRect rect, unsigned anchors, QStringList entries);
    static ControlTemplate combo(int id, int y, QStringList entries);
    // A field's caption, 200 units wide: the Title and Summary pages' labels.
    static ControlTemplate fieldLabel(const char* text, int y);
    static ControlTemplate button(int id, const char* text, int x, int y, unsigned anchors);
    // A button of the row along the page's bottom edge, which moves down with it.
    static ControlTemplate bottomButton(int id, const char* text, int x);

    // Missing ids are skipped.
    static void setEnabled(const ResizableDialog& page, std::initializer_list<int> ids,
                           bool enabled);
    static void setVisible(const ResizableDialog& page, std::initializer_list<int> ids,
                           bool visible);
};
