#pragma once

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QDialog>

// Adds or edits one outcome measure: its title, time frame, description and
// whether it is a safety issue. Texts travel as typed; the safety issue is
// the selected entry's text, empty without a selection.
class OutcomeDialog : public QDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_TITLE = 1011,
        IDC_TIME_FRAME = 1012,
        IDC_DESCRIPTION = 1013,
        IDC_SAFETY_ISSUE = 1032,
        IDC_OK = 1,
        IDC_CANCEL = 2,
    };
    static constexpr int kTemplateNumber = 140;

    static const QString kEnterTitle;

    static DialogTemplate dialogTemplate();

    explicit OutcomeDialog(QWidget* parent = nullptr);

    // Inputs: set before exec(); empty for Add. The description uses "\n" line breaks.
    void setInputs(const QString& title, const QString& timeFrame, const QString& description,
                   const QString& safetyIssue);
    // Outputs: valid after exec() returned Accepted.
    QString title() const { return m_title; }
    QString timeFrame() const { return m_timeFrame; }
    QString description() const { return m_description; }
    QString safetyIssue() const { return m_safetyIssue; }

    QWidget* control(int id) const { return m_controls.widget(id); }

    void accept() override;

private:
    DialogControls m_controls;
    QString m_title;
    QString m_timeFrame;
    QString m_description;
    QString m_safetyIssue;
};
