#include "platform/ControlFactory.h"

#include "platform/ClickableLabel.h"
#include "platform/DropDownList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QTreeWidget>

QWidget* ControlFactory::create(const ControlTemplate& control, QWidget* parent) const {
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return new QPushButton(parent);
    case ControlKind::Edit:
        return new QLineEdit(parent);
    case ControlKind::MultiLineEdit:
        return new QPlainTextEdit(parent);
    case ControlKind::ComboBox:
        return new DropDownList(parent);
    case ControlKind::CheckBox:
        return new QCheckBox(parent);
    case ControlKind::RadioButton:
        return new QRadioButton(parent);
    case ControlKind::GroupBox:
        return new QGroupBox(parent);
    case ControlKind::ListView:
        return new QTreeWidget(parent);
    case ControlKind::ItemListView:
        return new QTreeView(parent);
    case ControlKind::StaticText:
    case ControlKind::Picture:
    case ControlKind::HyperLink:
        break;
    }
    if ((control.style & StyleNotify) != 0) {
        return new ClickableLabel(parent);
    }
    return new QLabel(parent);
}
