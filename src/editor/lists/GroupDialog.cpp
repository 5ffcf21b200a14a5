#include "editor/lists/GroupDialog.h"

#include "platform/ControlShape.h"

#include <QLineEdit>

DialogTemplate GroupDialog::dialogTemplate() {
    return {
        .number = kTemplateNumber,
        .caption = QStringLiteral("Study Group / Cohort"),
        .width = 236,
        .height = 152,
        .controls =
            {
                // The box keeps the arm title it always had.
                ControlShape::groupBox(QStringLiteral("Study Group / Cohort")).at({7, 4, 222, 120}),
                ControlShape::label(QStringLiteral("Group/Cohort Label")).width(200).at(15, 18),
                ControlShape::edit().width(206).at(15, 28, IDC_LABEL),
                ControlShape::label(QStringLiteral("Description")).width(200).at(15, 46),
                ControlShape::lines(60).width(206).at(15, 56, IDC_DESCRIPTION),
                ItemDialog::okButton(123, 132),
                ItemDialog::cancelButton(179, 132),
            },
    };
}

GroupDialog::GroupDialog(QWidget* parent) : ItemDialog(dialogTemplate(), parent) {
    using Form = ItemForm<ArmGroup>;
    m_form = Form(m_controls, {Form::text(IDC_LABEL, &ArmGroup::arm_group_label),
                               Form::block(IDC_DESCRIPTION, &ArmGroup::arm_group_description)});
}

void GroupDialog::accept() {
    auto* label = m_controls.get<QLineEdit>(IDC_LABEL);
    if (label->text().isEmpty()) {
        refuse(label, QStringLiteral("Please enter a Label."));
        return;
    }
    m_form.take();
    QDialog::accept();
}
