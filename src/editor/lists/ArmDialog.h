#pragma once

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QDialog>
#include <QStringList>

// Adds or edits one study arm of an interventional protocol: its label, type
// and description. Texts travel in the arms list's column order.
class ArmDialog : public QDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_OK = 1,
        IDC_CANCEL = 2,
        IDC_LABEL = 1011,
        IDC_TYPE = 1032,
        IDC_DESCRIPTION = 1013,
    };
    static constexpr int kTemplateNumber = 511;

    static const QStringList& armTypes();
    static DialogTemplate dialogTemplate();

    explicit ArmDialog(QWidget* parent = nullptr);

    // Label, type, description ("\r\n" line breaks); set before exec().
    void setInputs(const QStringList& texts);
    // The same texts as entered; valid after exec() returned Accepted.
    QStringList outputs() const { return m_outputs; }

    QWidget* control(int id) const { return m_controls.widget(id); }

    void accept() override;

private:
    DialogControls m_controls;
    QStringList m_outputs;
};
