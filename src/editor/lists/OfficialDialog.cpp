#include "editor/lists/OfficialDialog.h"

#include "platform/ControlShape.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

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
        .caption = QStringLiteral("Study Official"),
        .width = 250,
        .height = 180,
        .controls =
            {
                ControlShape::groupBox(QStringLiteral("Study Official"))
                    .at({7, 4, 236, 148}, IDC_GROUP),
                ControlShape::label(QStringLiteral("First Name")).width(70).at(15, 18),
                ControlShape::label(QStringLiteral("Middle Initial")).width(50).at(89, 18),
                ControlShape::label(QStringLiteral("Last Name")).width(90).at(143, 18),
                ControlShape::edit().width(70).at(15, 28, IDC_FIRST_NAME),
                ControlShape::edit().width(50).at(89, 28, IDC_MIDDLE_NAME),
                ControlShape::edit().width(92).at(143, 28, IDC_LAST_NAME),
                ControlShape::label(QStringLiteral("Degree")).width(100).at(15, 46),
                ControlShape::edit().width(100).at(15, 56, IDC_DEGREE),
                ControlShape::label(QStringLiteral("Official's Role")).width(140).at(15, 74, IDC_ROLE_LABEL),
                ControlShape::combo(officialRoles()).width(140).at(15, 84, IDC_ROLE),
                ControlShape::combo(investigatorRoles())
                    .width(140)
                    .at(15, 84, IDC_INVESTIGATOR_ROLE),
                ControlShape::label(QStringLiteral("Organizational Affiliation"))
                    .width(200)
                    .at(15, 102, IDC_AFFILIATION_LABEL),
                ControlShape::edit().width(220).at(15, 112, IDC_AFFILIATION),
                ItemDialog::okButton(137, 160),
                ItemDialog::cancelButton(193, 160),
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

OfficialDialog::OfficialDialog(QWidget* parent) : ItemDialog(dialogTemplate(), parent) {
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
        m_controls.get<QLabel>(IDC_ROLE_LABEL)->setText(QStringLiteral("Investigator's Role"));
        setItemName(QStringLiteral("Investigator"));
    }
}

void OfficialDialog::accept() {
    auto* first = m_controls.get<QLineEdit>(IDC_FIRST_NAME);
    auto* last = m_controls.get<QLineEdit>(IDC_LAST_NAME);
    auto* role = m_controls.get<QComboBox>(visibleRoleList());
    if (first->text().isEmpty()) {
        refuse(first, QStringLiteral("Please enter a First Name."));
        return;
    }
    if (last->text().isEmpty()) {
        refuse(last, QStringLiteral("Please enter a Last Name."));
        return;
    }
    if (m_form.isEmpty(visibleRoleList())) {
        refuse(role, QStringLiteral("Please select a Role."));
        return;
    }
    auto* affiliation = m_controls.get<QLineEdit>(IDC_AFFILIATION);
    if (!m_investigatorMode && m_form.changed() && affiliation->text().isEmpty()) {
        affiliation->setText(kUnaffiliated);
    }
    m_form.take();
    QDialog::accept();
}
