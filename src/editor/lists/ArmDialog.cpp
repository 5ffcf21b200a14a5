#include "editor/lists/ArmDialog.h"

#include "editor/lists/ItemDialogSupport.h"

#include <QComboBox>
#include <QLineEdit>

using S = ItemDialogSupport;

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
        .caption = QStringLiteral("Add Study Arm"),
        .width = 236,
        .height = 170,
        .controls =
            {
                S::groupBox(QStringLiteral("Study Arm"), {7, 4, 222, 138}),
                S::label(QStringLiteral("Arm Label"), 15, 18, 200),
                S::edit(IDC_LABEL, 15, 28, 206),
                S::label(QStringLiteral("Arm Type"), 15, 46, 200),
                S::combo(IDC_TYPE, 15, 56, 206, armTypes()),
                S::label(QStringLiteral("Description"), 15, 74, 200),
                S::textBox(IDC_DESCRIPTION, 15, 84, 206, 50),
                S::okButton(123, 150),
                S::cancelButton(179, 150),
            },
    };
}

ArmDialog::ArmDialog(QWidget* parent) : QDialog(parent) {
    m_controls = S::build(this, dialogTemplate());
    using Form = ItemForm<ArmGroup>;
    m_form = Form(m_controls, {Form::text(IDC_LABEL, &ArmGroup::arm_group_label),
                               Form::text(IDC_TYPE, &ArmGroup::arm_type),
                               Form::block(IDC_DESCRIPTION, &ArmGroup::arm_group_description)});
}

void ArmDialog::accept() {
    auto* label = m_controls.get<QLineEdit>(IDC_LABEL);
    auto* type = m_controls.get<QComboBox>(IDC_TYPE);
    if (label->text().isEmpty()) {
        S::refuse(this, label, QStringLiteral("Please enter a Label."));
        return;
    }
    if (m_form.isEmpty(IDC_TYPE)) {
        S::refuse(this, type, QStringLiteral("Please select a Type."));
        return;
    }
    m_form.take();
    QDialog::accept();
}
