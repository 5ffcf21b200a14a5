#include "editor/lists/GroupDialog.h"

#include "platform/ControlShape.h"
#include "platform/TemplateColumn.h"

#include <QLineEdit>

DialogTemplate GroupDialog::dialogTemplate() {
    using C = ControlShape;
    TemplateColumn col(
        {.left = 15, .width = 206, .labelWidth = 200, .groupLeft = 7, .groupWidth = 222}, 4);
    // The box keeps the arm title it always had.
    col.group(ControlTemplate::kNoId, QStringLiteral("Study Group / Cohort"));
    col.field("Group/Cohort Label", IDC_LABEL, C::edit());
    col.field("Description", IDC_DESCRIPTION, C::lines(60));
    col.endGroup(0, 8);
    return ItemDialog::itemTemplate(kTemplateNumber, QStringLiteral("Study Group / Cohort"), 236, col, 6);
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
