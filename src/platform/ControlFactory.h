#pragma once

#include "platform/DialogTemplate.h"

class QWidget;

// Makes the widget for one control of a template. This one makes Qt's plain
// widgets; a derived factory (the styled controls) replaces some kinds and
// defers the rest to it. DialogBuilder sets text, entries, styles and geometry
// afterwards, so a replacement only has to derive from the matching Qt class:
//
//   push buttons: QPushButton    group box: QGroupBox      static text, picture,
//   edit: QLineEdit              multi-line: QPlainTextEdit  hyperlink: QLabel
//   combo box: QComboBox         check box: QCheckBox       radio: QRadioButton
//   list view: QTreeWidget      item list view: QTreeView
//
// Static texts and pictures with StyleNotify are a ClickableLabel.
class ControlFactory {
public:
    virtual ~ControlFactory() = default;

    // A new child of `parent`, owned by it.
    virtual QWidget* create(const ControlTemplate& control, QWidget* parent) const;
};
