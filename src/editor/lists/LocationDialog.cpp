#include "editor/lists/LocationDialog.h"

#include "editor/lists/OfficialDialog.h"
#include "platform/ControlShape.h"
#include "platform/TextCodec.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <array>
#include <utility>

namespace {

// One contact's seven controls in two rows, starting at `first` (first name).
void addContact(std::vector<ControlTemplate>& controls, const QString& title, int y, int first) {
    controls.push_back(ControlShape::groupBox(title).at({7, y, 258, 70}));
    const int labels1 = y + 12;
    const int labels2 = y + 40;
    controls.push_back(ControlShape::label(QStringLiteral("First Name")).width(60).at(15, labels1));
    controls.push_back(
        ControlShape::label(QStringLiteral("Middle Initial")).width(50).at(79, labels1));
    controls.push_back(ControlShape::label(QStringLiteral("Last Name")).width(64).at(133, labels1));
    controls.push_back(ControlShape::label(QStringLiteral("Degree")).width(56).at(201, labels1));
    controls.push_back(ControlShape::edit().width(60).at(15, labels1 + 10, first));
    controls.push_back(ControlShape::edit().width(50).at(79, labels1 + 10, first + 1));
    controls.push_back(ControlShape::edit().width(64).at(133, labels1 + 10, first + 2));
    controls.push_back(ControlShape::edit().width(56).at(201, labels1 + 10, first + 3));
    controls.push_back(ControlShape::label(QStringLiteral("Phone")).width(80).at(15, labels2));
    controls.push_back(ControlShape::label(QStringLiteral("Extension")).width(40).at(99, labels2));
    controls.push_back(
        ControlShape::label(QStringLiteral("Email Address")).width(114).at(143, labels2));
    controls.push_back(ControlShape::edit().width(80).at(15, labels2 + 10, first + 4));
    controls.push_back(ControlShape::edit().width(40).at(99, labels2 + 10, first + 5));
    controls.push_back(ControlShape::edit().width(114).at(143, labels2 + 10, first + 6));
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

// The row's texts in column order, as places in a location (const or not).
template <class L> auto places(L& location) {
    auto& address = location.facility.address;
    auto& contact = location.contact;
    auto& backup = location.contact_backup;
    return std::array{
        &location.facility.name, &address.city,      &address.state,      &address.zip,
        &address.country,        &location.status,   &contact.first_name, &contact.middle_name,
        &contact.last_name,      &contact.degrees,   &contact.phone,      &contact.phone_ext,
        &contact.email,          &backup.first_name, &backup.middle_name, &backup.last_name,
        &backup.degrees,         &backup.phone,      &backup.phone_ext,   &backup.email};
}

static_assert(std::tuple_size_v<decltype(places(std::declval<Location&>()))> ==
              LocationDialog::kTextCount);

ItemList<Investigator>::Columns investigatorColumns() {
    using Column = ItemColumn<Investigator>;
    return {Column::of(QStringLiteral("First Name"), 100, &Investigator::first_name),
            Column::of(QStringLiteral("Middle Initial"), 75, &Investigator::middle_name),
            Column::of(QStringLiteral("Last Name"), 100, &Investigator::last_name),
            Column::of(QStringLiteral("Degree"), 100, &Investigator::degrees),
            Column::of(QStringLiteral("Role"), 150, &Investigator::role)};
}

ItemForm<Location>::Fields locationFields() {
    ItemForm<Location>::Fields fields;
    for (int column = 0; column < LocationDialog::kTextCount; ++column) {
        fields.push_back({LocationDialog::IDC_FACILITY_NAME + column,
                          [column](const Location& location) {
                              return TextCodec::decode(LocationDialog::text(location, column));
                          },
                          [column](Location& location, const QString& text) {
                              LocationDialog::text(location, column) = TextCodec::encode(text);
                          }});
    }
    return fields;
}

} // namespace

const QStringList& LocationDialog::recruitmentStatuses() {
    static const QStringList statuses = {
        QStringLiteral("Not yet recruiting"),
        QStringLiteral("Recruiting"),
        QStringLiteral("No longer recruiting"),
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
        ControlShape::groupBox(QStringLiteral("Facility")).at({7, 4, 258, 84}),
        ControlShape::label(QStringLiteral("Facility Name")).width(120).at(15, 16),
        ControlShape::label(QStringLiteral("City")).width(118).at(139, 16),
        ControlShape::edit().width(120).at(15, 26, IDC_FACILITY_NAME),
        ControlShape::edit().width(118).at(139, 26, IDC_CITY),
        ControlShape::label(QStringLiteral("State")).width(60).at(15, 44),
        ControlShape::label(QStringLiteral("Postal Code")).width(60).at(79, 44),
        ControlShape::label(QStringLiteral("Country")).width(114).at(143, 44),
        ControlShape::edit().width(60).at(15, 54, IDC_STATE),
        ControlShape::edit().width(60).at(79, 54, IDC_ZIP),
        ControlShape::edit().width(114).at(143, 54, IDC_COUNTRY),
        ControlShape::label(QStringLiteral("Recruitment Status")).width(70).at(15, 72),
        ControlShape::combo(recruitmentStatuses()).width(120).at(89, 70, IDC_STATUS),
    };
    addContact(controls, QStringLiteral("Facility Contact"), 92, IDC_FIRST_NAME);
    addContact(controls, QStringLiteral("Facility Contact Backup"), 166, IDC_BACKUP_FIRST_NAME);
    controls.push_back(
        ControlShape::groupBox(QStringLiteral("Investigators")).at({7, 240, 258, 128}));
    controls.push_back(
        {.id = IDC_INVESTIGATORS, .kind = ControlKind::ItemListView, .rect = {15, 252, 242, 90}});
    controls.push_back(ControlShape::button(QStringLiteral("&Add")).at(15, 348, IDC_ADD));
    controls.push_back(ControlShape::button(QStringLiteral("&Edit")).at(69, 348, IDC_EDIT));
    controls.push_back(ControlShape::button(QStringLiteral("&Remove")).at(123, 348, IDC_REMOVE));
    controls.push_back(ItemDialog::okButton(159, 375));
    controls.push_back(ItemDialog::cancelButton(215, 375));
    return {.number = kTemplateNumber,
            .caption = QStringLiteral("Location"),
            .width = 272,
            .height = 395,
            .controls = std::move(controls)};
}

const std::string& LocationDialog::text(const Location& location, int column) {
    return *places(location)[static_cast<std::size_t>(column)];
}

std::string& LocationDialog::text(Location& location, int column) {
    return *places(location)[static_cast<std::size_t>(column)];
}

LocationDialog::LocationDialog(QWidget* parent)
    : ItemDialog(dialogTemplate(), parent), m_investigators(investigatorColumns()) {
    m_form = ItemForm<Location>(m_controls, locationFields());
    m_investigators.attach(
        m_controls.get<QTreeView>(IDC_INVESTIGATORS), this,
        [this](const Investigator& investigator, Purpose purpose) {
            return runInvestigatorDialog(investigator, purpose);
        });
    connect(m_controls.get<QPushButton>(IDC_ADD), &QPushButton::clicked, this,
            &LocationDialog::addInvestigator);
    connect(m_controls.get<QPushButton>(IDC_EDIT), &QPushButton::clicked, this,
            &LocationDialog::editInvestigator);
    connect(m_controls.get<QPushButton>(IDC_REMOVE), &QPushButton::clicked, this,
            &LocationDialog::removeInvestigator);
    connect(m_investigators.view(), &QAbstractItemView::doubleClicked, this,
            &LocationDialog::editInvestigator);
}

void LocationDialog::setItem(const Location& location) {
    m_form.show(location);
    m_investigators.load(location.investigator);
}

std::optional<Investigator>
LocationDialog::runInvestigatorDialog(const Investigator& investigator, Purpose purpose) {
    OfficialDialog dialog(this);
    dialog.setItem(investigator);
    dialog.setPurpose(purpose);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.investigator();
}

void LocationDialog::addInvestigator() {
    m_investigators.add();
}

void LocationDialog::editInvestigator() {
    m_investigators.edit();
}

void LocationDialog::removeInvestigator() {
    m_investigators.remove();
}

bool LocationDialog::checkRequired() {
    for (const RequiredEntry& entry : kRequired) {
        auto* edit = m_controls.get<QLineEdit>(entry.id);
        if (edit->text().isEmpty()) {
            refuse(edit, QString::fromLatin1(entry.message));
            return false;
        }
    }
    return true;
}

void LocationDialog::accept() {
    if (!checkRequired()) {
        return;
    }
    m_form.take();
    m_investigators.store(m_form.item().investigator);
    QDialog::accept();
}
