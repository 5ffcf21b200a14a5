#pragma once

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QDialog>
#include <QStringList>

// Adds or edits one study group or cohort of an observational protocol: its
// label and description, in the groups list's column order.
class GroupDialog : public QDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_OK = 1,
        IDC_CANCEL = 2,
        IDC_LABEL = 1011,
        IDC_DESCRIPTION = 1013,
    };
    static constexpr int kTemplateNumber = 512;

    static DialogTemplate dialogTemplate();

    explicit GroupDialog(QWidget* parent = nullptr);

    // Label, description ("\r\n" line breaks); set before exec().
    void setInputs(const QStringList& texts);
    // Valid after exec() returned Accepted.
    QStringList outputs() const { return m_outputs; }

    QWidget* control(int id) const { return m_controls.widget(id); }

    void accept() override;

private:
    DialogControls m_controls;
    QStringList m_outputs;
};
