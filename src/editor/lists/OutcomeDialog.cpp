#include "editor/lists/OutcomeDialog.h"

#include "platform/ControlShape.h"

#include <QLineEdit>
#include <QPushButton>

const QString OutcomeDialog::kEnterTitle = QStringLiteral("Please enter a Title.");

DialogTemplate OutcomeDialog::dialogTemplate() {
    return {
        .number = kTemplateNumber,
        .caption = QStringLiteral("Outcome Measure"),
        .width = 250,
        .height = 250,
        .controls =
            {
                {.kind = ControlKind::GroupBox,
                 .text = QStringLiteral("Outcome Measure"),
                 .rect = {7, 4, 236, 218}},
                ControlShape::label(QStringLiteral("Title")).width(200).at(15, 18),
                {.id = IDC_TITLE, .kind = ControlKind::Edit, .rect = {15, 28, 220, 12}},
                ControlShape::label(QStringLiteral("Time Frame")).width(200).at(15, 46),
                {.id = IDC_TIME_FRAME, .kind = ControlKind::Edit, .rect = {15, 56, 220, 12}},
                ControlShape::label(QStringLiteral("Description")).width(200).at(15, 74),
                {.id = IDC_DESCRIPTION,
                 .kind = ControlKind::MultiLineEdit,
                 .rect = {15, 84, 220, 96}},
                ControlShape::label(QStringLiteral("Safety Issue"))
                    .width(200)
                    .at(15, 188, IDC_SAFETY_ISSUE_LABEL),
                {.id = IDC_SAFETY_ISSUE,
                 .kind = ControlKind::ComboBox,
                 .rect = {15, 198, 80, 12},
                 .entries = {QStringLiteral("Yes"), QStringLiteral("No")}},
                {.id = IDC_OK,
                 .kind = ControlKind::DefaultPushButton,
                 .text = QStringLiteral("OK"),
                 .rect = {137, 229, 50, 14}},
                {.id = IDC_CANCEL,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("Cancel"),
                 .rect = {193, 229, 50, 14}},
            },
    };
}

OutcomeDialog::OutcomeDialog(QWidget* parent, const QString& itemName)
    : ItemDialog(dialogTemplate(), parent) {
    if (!itemName.isEmpty()) {
        setItemName(itemName);
    }
    showSafetyIssue(false);
    using Form = ItemForm<Outcome>;
    m_form = Form(m_controls, {Form::text(IDC_TITLE, &Outcome::outcome_measure),
                               Form::text(IDC_TIME_FRAME, &Outcome::outcome_time_frame),
                               Form::block(IDC_DESCRIPTION, &Outcome::outcome_description),
                               Form::text(IDC_SAFETY_ISSUE, &Outcome::outcome_safety_issue)});
}

void OutcomeDialog::setItem(const Outcome& outcome) {
    m_form.show(outcome);
    showSafetyIssue(!outcome.outcome_safety_issue.empty());
}

void OutcomeDialog::showSafetyIssue(bool shown) {
    m_controls.widget(IDC_SAFETY_ISSUE_LABEL)->setVisible(shown);
    m_controls.widget(IDC_SAFETY_ISSUE)->setVisible(shown);
}

void OutcomeDialog::accept() {
    auto* titleBox = m_controls.get<QLineEdit>(IDC_TITLE);
    if (titleBox->text().isEmpty()) {
        refuse(titleBox, kEnterTitle);
        return;
    }
    m_form.take();
    QDialog::accept();
}
