#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemForm.h"
#include "model/Outcome.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

// Adds or edits one outcome measure: its title, time frame, description and
// whether it is a safety issue. Texts travel as typed; a changed safety issue
// is the selected entry's text, empty without a selection. The registry no
// longer asks the safety question, so it is shown only for an item that
// holds an answer.
class OutcomeDialog : public ItemDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_TITLE = 1011,
        IDC_TIME_FRAME = 1012,
        IDC_DESCRIPTION = 1013,
        IDC_SAFETY_ISSUE = 1032,
        IDC_SAFETY_ISSUE_LABEL = 1033,
        IDC_OK = 1,
        IDC_CANCEL = 2,
    };
    static constexpr int kTemplateNumber = 140;

    static const QString kEnterTitle;

    static DialogTemplate dialogTemplate();

    // `itemName` names the kind of outcome in the title; empty: "Outcome Measure".
    explicit OutcomeDialog(QWidget* parent = nullptr, const QString& itemName = {});

    // Set before exec(); none for Add.
    void setItem(const Outcome& outcome);
    // The item with what the user changed; after OK.
    const Outcome& item() const { return m_form.item(); }

    void accept() override;

private:
    void showSafetyIssue(bool shown);

    ItemForm<Outcome> m_form;
};
