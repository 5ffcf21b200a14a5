#include "editor/lists/OfficialDialog.h"

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

namespace {

// The fields officials and investigators share: all of an investigator's.
template <class To, class From> To samePerson(const From& from) {
    To to;
    to.first_name = from.first_name;
    to.middle_name = from.middle_name;
    to.last_name = from.last_name;
    to.degrees = from.degrees;
    to.role = from.role;
    return to;
}

} // namespace

OfficialDialog::OfficialDialog(QWidget* parent) : QDialog(parent) {
    m_controls = S::build(this, dialogTemplate());
    showItem(Official());
}

void OfficialDialog::setItem(const Official& official) {
    m_investigatorMode = false;
    showItem(official);
}

void OfficialDialog::setItem(const Investigator& investigator) {
    m_investigatorMode = true;
    showItem(samePerson<Official>(investigator));
}

void OfficialDialog::showItem(const Official& official) {
    applyMode();
    using Form = ItemForm<Official>;
    m_form = Form(m_controls, {Form::text(IDC_FIRST_NAME, &Official::first_name),
                               Form::text(IDC_MIDDLE_NAME, &Official::middle_name),
                               Form::text(IDC_LAST_NAME, &Official::last_name),
                               Form::text(IDC_DEGREE, &Official::degrees),
                               Form::text(visibleRoleList(), &Official::role),
                               Form::text(IDC_AFFILIATION, &Official::affiliation)});
    m_form.show(official);
}

Investigator OfficialDialog::investigator() const {
    return samePerson<Investigator>(m_form.item());
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
    if (m_form.isEmpty(visibleRoleList())) {
        S::refuse(this, role, QStringLiteral("Please select a Role."));
        return;
    }
    auto* affiliation = m_controls.get<QLineEdit>(IDC_AFFILIATION);
    if (!m_investigatorMode && m_form.changed() && affiliation->text().isEmpty()) {
        affiliation->setText(kUnaffiliated);
    }
    m_form.take();
    QDialog::accept();
}
