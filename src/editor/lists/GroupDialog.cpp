#include "editor/lists/GroupDialog.h"

#include "editor/lists/ItemDialogSupport.h"

#include <QLineEdit>

using S = ItemDialogSupport;

DialogTemplate GroupDialog::dialogTemplate() {
    return {
        .number = kTemplateNumber,
        .caption = QStringLiteral("Add Study Group / Cohort"),
        .width = 236,
        .height = 152,
        .controls =
            {
                // The box keeps the arm title it always had.
                S::groupBox(QStringLiteral("Study Arm"), {7, 4, 222, 120}),
                S::label(QStringLiteral("Group/Cohort Label"), 15, 18, 200),
                S::edit(IDC_LABEL, 15, 28, 206),
                S::label(QStringLiteral("Description"), 15, 46, 200),
                S::textBox(IDC_DESCRIPTION, 15, 56, 206, 60),
                S::okButton(123, 132),
                S::cancelButton(179, 132),
            },
    };
}

GroupDialog::GroupDialog(QWidget* parent) : QDialog(parent) {
    m_controls = S::build(this, dialogTemplate());
    using Form = ItemForm<ArmGroup>;
    m_form = Form(m_controls, {Form::text(IDC_LABEL, &ArmGroup::arm_group_label),
                               Form::block(IDC_DESCRIPTION, &ArmGroup::arm_group_description)});
}

void GroupDialog::accept() {
    auto* label = m_controls.get<QLineEdit>(IDC_LABEL);
    if (label->text().isEmpty()) {
        S::refuse(this, label, QStringLiteral("Please enter a Label."));
        return;
    }
    m_form.take();
    QDialog::accept();
}
