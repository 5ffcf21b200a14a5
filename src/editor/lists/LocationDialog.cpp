#include "editor/lists/LocationDialog.h"

#include "editor/lists/OfficialDialog.h"
#include "platform/ControlShape.h"
#include "platform/TemplateColumn.h"
#include "platform/TextCodec.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <array>
#include <utility>

namespace {

// One contact's seven controls in two rows, starting at `first` (first name).
void addContact(TemplateColumn& col, const QString& title, int first) {
    using C = ControlShape;
    col.group(ControlTemplate::kNoId, title);
    col.fields({{"First Name", first, C::edit().width(60)},
                {"Middle Initial", first + 1, C::edit().left(79).width(50)},
                {"Last Name", first + 2, C::edit().left(133).width(64)},
                {"Degree", first + 3, C::edit().left(201)}});
    col.fields({{"Phone", first + 4, C::edit().width(80)},
                {"Extension", first + 5, C::edit().left(99).width(40)},
                {"Email Address", first + 6, C::edit().left(143)}});
    col.endGroup(2, 4);
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
    using C = ControlShape;
    constexpr int kNoId = ControlTemplate::kNoId;
    TemplateColumn col({.left = 15,
                        .width = 242,
                        .groupLeft = 7,
                        .groupWidth = 258,
                        .groupInset = 12,
                        .groupGap = 4},
                       4);
    col.group(kNoId, QStringLiteral("Facility"));
    col.fields({{"Facility Name", IDC_FACILITY_NAME, C::edit().width(120)},
                {"City", IDC_CITY, C::edit().left(139)}});
    col.fields({{"State", IDC_STATE, C::edit().width(60)},
                {"Postal Code", IDC_ZIP, C::edit().left(79).width(60)},
                {"Country", IDC_COUNTRY, C::edit().left(143)}});
    col.space(-2); // the status sits level with its label
    col.row({{kNoId, C::label(QStringLiteral("Recruitment Status")).width(70)},
             {IDC_STATUS, C::combo(recruitmentStatuses()).left(89).width(120)}});
    col.endGroup();
    addContact(col, QStringLiteral("Facility Contact"), IDC_FIRST_NAME);
    addContact(col, QStringLiteral("Facility Contact Backup"), IDC_BACKUP_FIRST_NAME);
    col.group(kNoId, QStringLiteral("Investigators"));
    col.control(IDC_INVESTIGATORS, C::itemList(90));
    col.buttons({{IDC_ADD, C::button(QStringLiteral("&Add"))},
                 {IDC_EDIT, C::button(QStringLiteral("&Edit"))},
                 {IDC_REMOVE, C::button(QStringLiteral("&Remove"))}},
                6);
    col.endGroup(0, 7);
    return ItemDialog::itemTemplate(kTemplateNumber, QStringLiteral("Location"), 272, col, 6);
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
    m_investigators.attach(m_controls.get<QTreeView>(IDC_INVESTIGATORS), this,
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

std::optional<Investigator> LocationDialog::runInvestigatorDialog(const Investigator& investigator,
                                                                  Purpose purpose) {
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
