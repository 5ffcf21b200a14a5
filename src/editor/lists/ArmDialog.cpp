#include "editor/lists/ArmDialog.h"

#include "platform/ControlShape.h"
#include "platform/TemplateColumn.h"

#include <QComboBox>
#include <QLineEdit>

const QStringList& ArmDialog::armTypes() {
    static const QStringList types = {
        QStringLiteral("Experimental"),       QStringLiteral("Active Comparator"),
        QStringLiteral("Placebo Comparator"), QStringLiteral("Sham Comparator"),
        QStringLiteral("No Intervention"),    QStringLiteral("Other"),
    };
    return types;
}

DialogTemplate ArmDialog::dialogTemplate() {
    using C = ControlShape;
    TemplateColumn col(
        {.left = 15, .width = 206, .labelWidth = 200, .groupLeft = 7, .groupWidth = 222}, 4);
    col.group(ControlTemplate::kNoId, QStringLiteral("Study Arm"));
    col.field("Arm Label", IDC_LABEL, C::edit());
    col.field("Arm Type", IDC_TYPE, C::combo(armTypes()));
    col.field("Description", IDC_DESCRIPTION, C::lines(50));
    col.endGroup(0, 8);
    return ItemDialog::itemTemplate(kTemplateNumber, QStringLiteral("Study Arm"), 236, col, 6);
}

ArmDialog::ArmDialog(QWidget* parent) : ItemDialog(dialogTemplate(), parent) {
    using Form = ItemForm<ArmGroup>;
    m_form = Form(m_controls, {Form::text(IDC_LABEL, &ArmGroup::arm_group_label),
                               Form::text(IDC_TYPE, &ArmGroup::arm_type),
                               Form::block(IDC_DESCRIPTION, &ArmGroup::arm_group_description)});
}

void ArmDialog::accept() {
    auto* label = m_controls.get<QLineEdit>(IDC_LABEL);
    auto* type = m_controls.get<QComboBox>(IDC_TYPE);
    if (label->text().isEmpty()) {
        refuse(label, QStringLiteral("Please enter a Label."));
        return;
    }
    if (m_form.isEmpty(IDC_TYPE)) {
        refuse(type, QStringLiteral("Please select a Type."));
        return;
    }
    m_form.take();
    QDialog::accept();
}
