#include "editor/lists/OfficialDialog.h"

#include "platform/ControlShape.h"
#include "platform/TemplateColumn.h"

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

namespace {

FieldLabel narrowLabel(const char* text, int width, int id = ControlTemplate::kNoId) {
    FieldLabel label(QString::fromLatin1(text), id);
    label.width = width;
    return label;
}

} // namespace

DialogTemplate OfficialDialog::dialogTemplate() {
    using C = ControlShape;
    TemplateColumn col(
        {.left = 15, .width = 220, .labelWidth = 200, .groupLeft = 7, .groupWidth = 236}, 4);
    col.group(IDC_GROUP, QStringLiteral("Study Official"));
    col.fields({{"First Name", IDC_FIRST_NAME, C::edit().width(70)},
                {"Middle Initial", IDC_MIDDLE_NAME, C::edit().left(89).width(50)},
                {narrowLabel("Last Name", 90), IDC_LAST_NAME, C::edit().left(143).width(92)}});
    col.field(narrowLabel("Degree", 100), IDC_DEGREE, C::edit().width(100));
    col.field(narrowLabel("Official's Role", 140, IDC_ROLE_LABEL), IDC_ROLE,
              C::combo(officialRoles()).width(140));
    col.alternative(IDC_INVESTIGATOR_ROLE, C::combo(investigatorRoles()));
    col.field({QStringLiteral("Organizational Affiliation"), IDC_AFFILIATION_LABEL},
              IDC_AFFILIATION, C::edit());
    col.endGroup(22, 8);
    return ItemDialog::itemTemplate(kTemplateNumber, QStringLiteral("Study Official"), 250, col, 6);
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
