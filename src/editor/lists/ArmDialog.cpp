#include "editor/lists/ArmDialog.h"

#include "platform/ControlShape.h"

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
    return {
        .number = kTemplateNumber,
        .caption = QStringLiteral("Study Arm"),
        .width = 236,
        .height = 170,
        .controls =
            {
                ControlShape::groupBox(QStringLiteral("Study Arm")).at({7, 4, 222, 138}),
                ControlShape::label(QStringLiteral("Arm Label")).width(200).at(15, 18),
                ControlShape::edit().width(206).at(15, 28, IDC_LABEL),
                ControlShape::label(QStringLiteral("Arm Type")).width(200).at(15, 46),
                ControlShape::combo(armTypes()).width(206).at(15, 56, IDC_TYPE),
                ControlShape::label(QStringLiteral("Description")).width(200).at(15, 74),
                ControlShape::lines(50).width(206).at(15, 84, IDC_DESCRIPTION),
                ItemDialog::okButton(123, 150),
                ItemDialog::cancelButton(179, 150),
            },
    };
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
