#include "editor/lists/OutcomeDialog.h"

#include "platform/ControlShape.h"
#include "platform/TemplateColumn.h"

#include <QLineEdit>
#include <QPushButton>

const QString OutcomeDialog::kEnterTitle = QStringLiteral("Please enter a Title.");

DialogTemplate OutcomeDialog::dialogTemplate() {
    using C = ControlShape;
    TemplateColumn col(
        {.left = 15, .width = 220, .labelWidth = 200, .groupLeft = 7, .groupWidth = 236}, 4);
    col.group(ControlTemplate::kNoId, QStringLiteral("Outcome Measure"));
    col.field("Title", IDC_TITLE, C::edit());
    col.field("Time Frame", IDC_TIME_FRAME, C::edit());
    col.field("Description", IDC_DESCRIPTION, C::lines(96));
    col.field({QStringLiteral("Safety Issue"), IDC_SAFETY_ISSUE_LABEL}, IDC_SAFETY_ISSUE,
              C::combo({QStringLiteral("Yes"), QStringLiteral("No")}).width(80));
    col.endGroup(6, 7);
    return ItemDialog::itemTemplate(kTemplateNumber, QStringLiteral("Outcome Measure"), 250, col, 7);
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
