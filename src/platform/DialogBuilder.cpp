#include "platform/DialogBuilder.h"

#include "platform/AnchorLayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTreeView>

namespace {

bool has(const ControlTemplate& control, ControlStyle style) {
    return (control.style & style) != 0;
}

bool takesTabFocus(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) != 0;
}

void configureLabel(QLabel* label, const ControlTemplate& control) {
    label->setTextFormat(Qt::PlainText);
    if (control.kind == ControlKind::Picture) {
        const QPixmap picture(control.text);
        if (!picture.isNull()) {
            label->setPixmap(picture);
        }
        return;
    }
    label->setText(control.text);
    label->setWordWrap(!has(control, StyleNoWrap) && control.kind == ControlKind::StaticText);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (has(control, StyleCentered)) {
        horizontal = Qt::AlignHCenter;
    } else if (has(control, StyleRightAligned)) {
        horizontal = Qt::AlignRight;
    }
    label->setAlignment(horizontal | Qt::AlignTop);
}

void configureLineEdit(QLineEdit* edit, const ControlTemplate& control) {
    edit->setText(control.text);
    edit->setReadOnly(has(control, StyleReadOnly));
    if (has(control, StylePassword)) {
        edit->setEchoMode(QLineEdit::Password);
    }
    if (has(control, StyleDigitsOnly)) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
}

void configureTextEdit(QPlainTextEdit* edit, const ControlTemplate& control) {
    edit->setPlainText(control.text);
    edit->setReadOnly(has(control, StyleReadOnly));
    // In a dialog, Tab moves on to the next control.
    edit->setTabChangesFocus(true);
}

void configureCombo(QComboBox* combo, const ControlTemplate& control) {
    combo->setEditable(false);
    combo->addItems(control.entries);
    combo->setCurrentIndex(-1);
}

void configureList(QTreeView* list) {
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
}

void configureGroupBox(QGroupBox* box, const ControlTemplate& control) {
    box->setTitle(control.text);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace

DialogBuilder::DialogBuilder(const ControlFactory& factory) : m_factory(factory) {}

DialogControls DialogBuilder::build(QWidget* dialog, const DialogTemplate& dialogTemplate) const {
    return build(dialog, dialogTemplate, DialogUnits::fromFont(dialog->font()));
}

DialogControls DialogBuilder::build(QWidget* dialog, const DialogTemplate& dialogTemplate,
                                    const DialogUnits& units) const {
    return collect(dialogTemplate, buildWidgets(dialog, dialogTemplate, units), nullptr);
}

DialogControls DialogBuilder::buildAnchored(QWidget* dialog, const DialogTemplate& dialogTemplate,
                                            const DialogUnits& units) const {
    const std::vector<QWidget*> widgets = buildWidgets(dialog, dialogTemplate, units);
    return collect(dialogTemplate, widgets, new AnchorLayout(dialog));
}

DialogControls DialogBuilder::collect(const DialogTemplate& dialogTemplate,
                                      const std::vector<QWidget*>& widgets, AnchorLayout* anchors) {
    DialogControls controls;
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        controls.add(dialogTemplate.controls[i].id, widgets[i]);
        if (anchors != nullptr) {
            anchors->addAnchored(widgets[i], dialogTemplate.controls[i].anchors);
        }
    }
    return controls;
}

std::vector<QWidget*> DialogBuilder::buildWidgets(QWidget* dialog,
                                                  const DialogTemplate& dialogTemplate,
                                                  const DialogUnits& units) const {
    if (!dialogTemplate.caption.isEmpty()) {
        dialog->setWindowTitle(dialogTemplate.caption);
    }
    if (dialogTemplate.width > 0 && dialogTemplate.height > 0) {
        dialog->resize(units.toPixels(dialogTemplate.width, dialogTemplate.height));
    }
    std::vector<QWidget*> widgets;
    widgets.reserve(dialogTemplate.controls.size());
    for (const ControlTemplate& control : dialogTemplate.controls) {
        widgets.push_back(buildControl(control, dialog, units));
    }
    linkLabels(dialogTemplate, widgets);
    setTabOrder(widgets);
    groupRadioButtons(dialogTemplate, widgets, dialog);
    return widgets;
}

QWidget* DialogBuilder::buildControl(const ControlTemplate& control, QWidget* dialog,
                                     const DialogUnits& units) const {
    QWidget* widget = m_factory.create(control, dialog);
    if (control.id != ControlTemplate::kNoId) {
        widget->setObjectName(QStringLiteral("control%1").arg(control.id));
    }
    widget->setGeometry(units.toPixels(control.rect));
    configure(widget, control);
    if (has(control, StyleNoTabStop) && takesTabFocus(widget)) {
        widget->setFocusPolicy(Qt::ClickFocus);
    }
    widget->setEnabled(!has(control, StyleDisabled));
    widget->setVisible(!has(control, StyleHidden));
    if (control.kind == ControlKind::GroupBox) {
        widget->lower();
    }
    return widget;
}

void DialogBuilder::configure(QWidget* widget, const ControlTemplate& control) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(control.text);
        button->setDefault(control.kind == ControlKind::DefaultPushButton);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(control.text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        configureLabel(label, control);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        configureLineEdit(edit, control);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        configureTextEdit(edit, control);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        configureCombo(combo, control);
    } else if (auto* list = qobject_cast<QTreeView*>(widget)) {
        configureList(list);
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        configureGroupBox(box, control);
    }
}

void DialogBuilder::setTabOrder(const std::vector<QWidget*>& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (!takesTabFocus(widget)) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void DialogBuilder::linkLabels(const DialogTemplate& dialogTemplate,
                               const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(widgets[i]);
        // A link shows its text as it is: an ampersand there is no shortcut.
        if (label == nullptr || dialogTemplate.controls[i].kind == ControlKind::HyperLink ||
            !label->text().contains(QLatin1Char('&'))) {
            continue;
        }
        QWidget* buddy = nullptr;
        for (std::size_t j = i + 1; j < widgets.size() && buddy == nullptr; ++j) {
            if (takesTabFocus(widgets[j])) {
                buddy = widgets[j];
            }
        }
        if (buddy != nullptr) {
            label->setBuddy(buddy);
        } else {
            label->setText(withoutMnemonic(label->text()));
        }
    }
}

void DialogBuilder::groupRadioButtons(const DialogTemplate& dialogTemplate,
                                      const std::vector<QWidget*>& widgets, QWidget* dialog) {
    QButtonGroup* group = nullptr;
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        auto* radio = qobject_cast<QRadioButton*>(widgets[i]);
        if (radio == nullptr) {
            group = nullptr;
            continue;
        }
        if (group == nullptr || has(control, StyleNewGroup)) {
            group = new QButtonGroup(dialog);
        }
        radio->setAutoExclusive(false);
        group->addButton(radio);
    }
}

QString DialogBuilder::withoutMnemonic(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&')) {
                result.append(QLatin1Char('&'));
                ++i;
            }
            continue;
        }
        result.append(text.at(i));
    }
    return result;
}
