#pragma once

#include "platform/ControlFactory.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"

#include <vector>

class AnchorLayout;
class QButtonGroup;

// Turns a template into child widgets of a dialog: sizes from dialog units of
// the dialog's font, texts, entries and styles, tab order in table order.
//
// Group boxes are frames drawn behind their neighbours: they are kept at the
// bottom of the stacking order and let mouse input through. A static text with
// a mnemonic ("&Name") focuses the next control that takes the focus.
class DialogBuilder {
public:
    explicit DialogBuilder(const ControlFactory& factory);

    // Adds the controls to `dialog` and resizes it to the template's size.
    DialogControls build(QWidget* dialog, const DialogTemplate& dialogTemplate) const;
    // The same with explicit units (tests, or a font other than the dialog's).
    DialogControls build(QWidget* dialog, const DialogTemplate& dialogTemplate,
                         const DialogUnits& units) const;
    // The same, and an AnchorLayout on `dialog` that moves the controls by
    // their anchors whenever the dialog's size changes.
    DialogControls buildAnchored(QWidget* dialog, const DialogTemplate& dialogTemplate,
                                 const DialogUnits& units) const;

    // A label's text without its mnemonic marks: "&&" becomes "&", a single "&" goes.
    static QString withoutMnemonic(const QString& text);

private:
    // The widgets in table order.
    std::vector<QWidget*> buildWidgets(QWidget* dialog, const DialogTemplate& dialogTemplate,
                                       const DialogUnits& units) const;
    // The controls by id, each also anchored in `anchors` when there is one.
    static DialogControls collect(const DialogTemplate& dialogTemplate,
                                  const std::vector<QWidget*>& widgets, AnchorLayout* anchors);
    QWidget* buildControl(const ControlTemplate& control, QWidget* dialog,
                          const DialogUnits& units) const;
    static void configure(QWidget* widget, const ControlTemplate& control);
    static void setTabOrder(const std::vector<QWidget*>& widgets);
    static void linkLabels(const DialogTemplate& dialogTemplate,
                           const std::vector<QWidget*>& widgets);
    static void groupRadioButtons(const DialogTemplate& dialogTemplate,
                                  const std::vector<QWidget*>& widgets, QWidget* dialog);

    const ControlFactory& m_factory;
};
