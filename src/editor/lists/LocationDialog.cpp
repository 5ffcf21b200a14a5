#include "editor/lists/LocationDialog.h"

#include "editor/ComboText.h"
#include "editor/lists/ItemDialogSupport.h"
#include "editor/lists/ItemTexts.h"
#include "editor/lists/OfficialDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using S = ItemDialogSupport;

namespace {

// One contact's seven controls in two rows, starting at `first` (first name).
void addContact(std::vector<ControlTemplate>& controls, const QString& title, int y, int first) {
    controls.push_back(S::groupBox(title, {7, y, 258, 70}));
    const int labels1 = y + 12;
    const int labels2 = y + 40;
    controls.push_back(S::label(QStringLiteral("First Name"), 15, labels1, 60));
    controls.push_back(S::label(QStringLiteral("Middle Initial"), 79, labels1, 50));
    controls.push_back(S::label(QStringLiteral("Last Name"), 133, labels1, 64));
    controls.push_back(S::label(QStringLiteral("Degree"), 201, labels1, 56));
    controls.push_back(S::edit(first, 15, labels1 + 10, 60));
    controls.push_back(S::edit(first + 1, 79, labels1 + 10, 50));
    controls.push_back(S::edit(first + 2, 133, labels1 + 10, 64));
    controls.push_back(S::edit(first + 3, 201, labels1 + 10, 56));
    controls.push_back(S::label(QStringLiteral("Phone"), 15, labels2, 80));
    controls.push_back(S::label(QStringLiteral("Extension"), 99, labels2, 40));
    controls.push_back(S::label(QStringLiteral("Email Address"), 143, labels2, 114));
    controls.push_back(S::edit(first + 4, 15, labels2 + 10, 80));
    controls.push_back(S::edit(first + 5, 99, labels2 + 10, 40));
    controls.push_back(S::edit(first + 6, 143, labels2 + 10, 114));
}

struct RequiredEntry {
    int id;
    const char* message;
};

constexpr RequiredEntry kRequired[] = {
    {LocationDialog::IDC_FACILITY_NAME, "Please enter a Facility Name."},
    {LocationDialog::IDC_LAST_NAME, "Please enter a Last Name."},
    {LocationDialog::IDC_PHONE, "Please enter a Phone Number."},
    {LocationDialog::IDC_EMAIL, "Please enter an Email Address."},
    {LocationDialog::IDC_BACKUP_LAST_NAME, "Please enter a Last Name."},
    {LocationDialog::IDC_BACKUP_PHONE, "Please enter a Phone Number."},
    {LocationDialog::IDC_BACKUP_EMAIL, "Please enter an Email Address."},
};

QStringList investigatorRow(const Investigator& investigator) {
    return {ItemTexts::decode(investigator.first_name), ItemTexts::decode(investigator.middle_name),
            ItemTexts::decode(investigator.last_name), ItemTexts::decode(investigator.degrees),
            ItemTexts::decode(investigator.role)};
}

} // namespace

const QStringList& LocationDialog::recruitmentStatuses() {
    static const QStringList statuses = {
        QStringLiteral("Not yet recruiting"),
        QStringLiteral("Recruiting"),
        QStringLiteral("Enrolling by invitation"),
        QStringLiteral("Active, not recruiting"),
        QStringLiteral("Completed"),
        QStringLiteral("Suspended"),
        QStringLiteral("Terminated"),
        QStringLiteral("Withdrawn"),
    };
    return statuses;
}

DialogTemplate LocationDialog::dialogTemplate() {
    std::vector<ControlTemplate> controls = {
        S::groupBox(QStringLiteral("Facility"), {7, 4, 258, 84}),
        S::label(QStringLiteral("Facility Name"), 15, 16, 120),
        S::label(QStringLiteral("City"), 139, 16, 118),
        S::edit(IDC_FACILITY_NAME, 15, 26, 120),
        S::edit(IDC_CITY, 139, 26, 118),
        S::label(QStringLiteral("State"), 15, 44, 60),
        S::label(QStringLiteral("Postal Code"), 79, 44, 60),
        S::label(QStringLiteral("Country"), 143, 44, 114),
        S::edit(IDC_STATE, 15, 54, 60),
        S::edit(IDC_ZIP, 79, 54, 60),
        S::edit(IDC_COUNTRY, 143, 54, 114),
        S::label(QStringLiteral("Recruitment Status"), 15, 72, 70),
        S::combo(IDC_STATUS, 89, 70, 120, recruitmentStatuses()),
    };
    addContact(controls, QStringLiteral("Facility Contact"), 92, IDC_FIRST_NAME);
    addContact(controls, QStringLiteral("Facility Contact Backup"), 166, IDC_BACKUP_FIRST_NAME);
    controls.push_back(S::groupBox(QStringLiteral("Investigators"), {7, 240, 258, 128}));
    controls.push_back(
        {.id = IDC_INVESTIGATORS, .kind = ControlKind::ListView, .rect = {15, 252, 242, 90}});
    controls.push_back(S::button(IDC_ADD, QStringLiteral("&Add"), 15, 348));
    controls.push_back(S::button(IDC_EDIT, QStringLiteral("&Edit"), 69, 348));
    controls.push_back(S::button(IDC_REMOVE, QStringLiteral("&Remove"), 123, 348));
    controls.push_back(S::okButton(159, 375));
    controls.push_back(S::cancelButton(215, 375));
    return {.number = kTemplateNumber,
            .caption = QStringLiteral("Add Location"),
            .width = 272,
            .height = 395,
            .controls = std::move(controls)};
}

LocationDialog::LocationDialog(std::vector<Investigator>& investigators, QWidget* parent)
    : QDialog(parent), m_investigators(investigators) {
    m_controls = S::build(this, dialogTemplate());
    m_investigatorRows.attach(m_controls.get<QTreeWidget>(IDC_INVESTIGATORS), this);
    m_investigatorRows.setColumns({{QStringLiteral("First Name"), 100},
                                   {QStringLiteral("Middle Initial"), 75},
                                   {QStringLiteral("Last Name"), 100},
                                   {QStringLiteral("Degree"), 100},
                                   {QStringLiteral("Role"), 150}});
    std::vector<QStringList> rows;
    rows.reserve(investigators.size());
    for (const Investigator& investigator : investigators) {
        rows.push_back(investigatorRow(investigator));
    }
    m_investigatorRows.appendRows(rows);
    connect(m_controls.get<QPushButton>(IDC_ADD), &QPushButton::clicked, this,
            &LocationDialog::addInvestigator);
    connect(m_controls.get<QPushButton>(IDC_EDIT), &QPushButton::clicked, this,
            &LocationDialog::editInvestigator);
    connect(m_controls.get<QPushButton>(IDC_REMOVE), &QPushButton::clicked, this,
            &LocationDialog::removeInvestigator);
    connect(m_investigatorRows.list(), &QTreeWidget::itemDoubleClicked, this,
            &LocationDialog::editInvestigator);
}

void LocationDialog::setInputs(const QStringList& texts) {
    for (int i = 0; i < kTextCount; ++i) {
        const int id = IDC_FACILITY_NAME + i;
        if (id == IDC_STATUS) {
            ComboText::select(*m_controls.get<QComboBox>(id), texts.value(i));
        } else {
            m_controls.get<QLineEdit>(id)->setText(texts.value(i));
        }
    }
}

std::optional<QStringList> LocationDialog::runInvestigatorDialog(const QStringList& inputs) {
    OfficialDialog dialog(this);
    // The investigator row has no affiliation: the sixth input stays empty.
    dialog.setInputs(inputs.mid(0, 5), true);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.outputs().mid(0, 5);
}

void LocationDialog::addInvestigator() {
    m_investigatorRows.add([this](const QStringList& in) { return runInvestigatorDialog(in); });
}

void LocationDialog::editInvestigator() {
    m_investigatorRows.edit([this](const QStringList& in) { return runInvestigatorDialog(in); });
}

void LocationDialog::removeInvestigator() {
    m_investigatorRows.remove();
}

bool LocationDialog::checkRequired() {
    for (const RequiredEntry& entry : kRequired) {
        auto* edit = m_controls.get<QLineEdit>(entry.id);
        if (edit->text().isEmpty()) {
            S::refuse(this, edit, QString::fromLatin1(entry.message));
            return false;
        }
    }
    return true;
}

void LocationDialog::writeInvestigators() {
    m_investigators.clear();
    for (const QStringList& row : m_investigatorRows.rows()) {
        Investigator& investigator = m_investigators.emplace_back();
        investigator.first_name = ItemTexts::encode(row.value(0));
        investigator.middle_name = ItemTexts::encode(row.value(1));
        investigator.last_name = ItemTexts::encode(row.value(2));
        investigator.degrees = ItemTexts::encode(row.value(3));
        investigator.role = ItemTexts::encode(row.value(4));
    }
}

void LocationDialog::accept() {
    if (!checkRequired()) {
        return;
    }
    m_outputs.clear();
    for (int i = 0; i < kTextCount; ++i) {
        const int id = IDC_FACILITY_NAME + i;
        if (id == IDC_STATUS) {
            m_outputs << ComboText::current(*m_controls.get<QComboBox>(id));
        } else {
            m_outputs << m_controls.get<QLineEdit>(id)->text();
        }
    }
    writeInvestigators();
    QDialog::accept();
}
