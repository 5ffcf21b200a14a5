#include "editor/lists/OfficialDialog.h"

#include "editor/ComboText.h"
#include "editor/lists/ItemDialogSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

using S = ItemDialogSupport;

const QString OfficialDialog::kUnaffiliated = QStringLiteral("Unaffiliated");

const QStringList& OfficialDialog::officialRoles() {
    static const QStringList roles = {QStringLiteral("Study Chair"),
                                      QStringLiteral("Study Director"),
                                      QStringLiteral("Principal Investigator")};
    return roles;
}

const QStringList& OfficialDialog::investigatorRoles() {
    static const QStringList roles = {QStringLiteral("Principal Investigator"),
                                      QStringLiteral("Sub-Investigator")};
    return roles;
}

DialogTemplate OfficialDialog::dialogTemplate() {
    return {
        .number = kTemplateNumber,
        .caption = QStringLiteral("Add Study Official"),
        .width = 250,
        .height = 180,
        .controls =
            {
                S::groupBox(QStringLiteral("Study Official"), {7, 4, 236, 148}, IDC_GROUP),
                S::label(QStringLiteral("First Name"), 15, 18, 70),
                S::label(QStringLiteral("Middle Initial"), 89, 18, 50),
                S::label(QStringLiteral("Last Name"), 143, 18, 90),
                S::edit(IDC_FIRST_NAME, 15, 28, 70),
                S::edit(IDC_MIDDLE_NAME, 89, 28, 50),
                S::edit(IDC_LAST_NAME, 143, 28, 92),
                S::label(QStringLiteral("Degree"), 15, 46, 100),
                S::edit(IDC_DEGREE, 15, 56, 100),
                S::label(QStringLiteral("Official's Role"), 15, 74, 140),
                S::combo(IDC_ROLE, 15, 84, 140, officialRoles()),
                S::combo(IDC_INVESTIGATOR_ROLE, 15, 84, 140, investigatorRoles()),
                S::label(QStringLiteral("Organizational Affiliation"), 15, 102, 200,
                         IDC_AFFILIATION_LABEL),
                S::edit(IDC_AFFILIATION, 15, 112, 220),
                S::okButton(137, 160),
                S::cancelButton(193, 160),
            },
    };
}

OfficialDialog::OfficialDialog(QWidget* parent) : QDialog(parent) {
    m_controls = S::build(this, dialogTemplate());
    applyMode();
}

void OfficialDialog::setInputs(const QStringList& texts, bool investigatorMode) {
    m_investigatorMode = investigatorMode;
    applyMode();
    m_controls.get<QLineEdit>(IDC_FIRST_NAME)->setText(texts.value(0));
    m_controls.get<QLineEdit>(IDC_MIDDLE_NAME)->setText(texts.value(1));
    m_controls.get<QLineEdit>(IDC_LAST_NAME)->setText(texts.value(2));
    m_controls.get<QLineEdit>(IDC_DEGREE)->setText(texts.value(3));
    m_controls.get<QLineEdit>(IDC_AFFILIATION)->setText(texts.value(5));
    ComboText::select(*m_controls.get<QComboBox>(visibleRoleList()), texts.value(4));
}

int OfficialDialog::visibleRoleList() const {
    return m_investigatorMode ? IDC_INVESTIGATOR_ROLE : IDC_ROLE;
}

void OfficialDialog::applyMode() {
    const bool official = !m_investigatorMode;
    for (const int id : {IDC_AFFILIATION, IDC_AFFILIATION_LABEL, IDC_ROLE}) {
        control(id)->setEnabled(official);
        control(id)->setVisible(official);
    }
    control(IDC_INVESTIGATOR_ROLE)->setEnabled(!official);
    control(IDC_INVESTIGATOR_ROLE)->setVisible(!official);
    if (m_investigatorMode) {
        m_controls.get<QGroupBox>(IDC_GROUP)->setTitle(QStringLiteral("Investigator"));
        setWindowTitle(QStringLiteral("Add Investigator"));
    }
}

void OfficialDialog::accept() {
    auto* first = m_controls.get<QLineEdit>(IDC_FIRST_NAME);
    auto* last = m_controls.get<QLineEdit>(IDC_LAST_NAME);
    auto* role = m_controls.get<QComboBox>(visibleRoleList());
    if (first->text().isEmpty()) {
        S::refuse(this, first, QStringLiteral("Please enter a First Name."));
        return;
    }
    if (last->text().isEmpty()) {
        S::refuse(this, last, QStringLiteral("Please enter a Last Name."));
        return;
    }
    if (role->currentIndex() < 0) {
        S::refuse(this, role, QStringLiteral("Please select a Role."));
        return;
    }
    auto* affiliation = m_controls.get<QLineEdit>(IDC_AFFILIATION);
    if (affiliation->text().isEmpty()) {
        affiliation->setText(kUnaffiliated);
    }
    m_outputs = {first->text(),
                 m_controls.get<QLineEdit>(IDC_MIDDLE_NAME)->text(),
                 last->text(),
                 m_controls.get<QLineEdit>(IDC_DEGREE)->text(),
                 ComboText::current(*role),
                 affiliation->text()};
    QDialog::accept();
}
