#include "editor/lists/LocationsPage.h"

#include "editor/PageControls.h"
#include "editor/lists/ItemTexts.h"
#include "editor/lists/LocationDialog.h"
#include "model/StudyRecord.h"

#include <QTreeWidget>
#include <array>
#include <utility>

namespace {

// The row's texts in column order, as places in a location (const or not).
template <class L> auto fields(L& location) {
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

static_assert(std::tuple_size_v<decltype(fields(std::declval<Location&>()))> ==
              LocationDialog::kTextCount);

std::vector<Investigator> copies(const OwningList<Investigator>& investigators) {
    std::vector<Investigator> all;
    all.reserve(investigators.size());
    for (const auto& investigator : investigators) {
        all.push_back(*investigator);
    }
    return all;
}

} // namespace

DialogTemplate LocationsPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Locations"),
         .rect = {4, 2, 254, 327},
         .anchors = AnchorGrow},
        {.id = IDC_LOCATIONS,
         .kind = ControlKind::ListView,
         .rect = {12, 14, 238, 288},
         .anchors = AnchorGrow},
        PageControls::bottomButton(IDC_ADD, "&Add", 12),
        PageControls::bottomButton(IDC_EDIT, "&Edit", 66),
        PageControls::bottomButton(IDC_REMOVE, "&Remove", 120),
        marker(IDC_MARKER_LOCATIONS, 312),
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

LocationsPage::LocationsPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    m_locations.attach(control<QTreeWidget>(IDC_LOCATIONS), this);
    m_locations.setColumns({
        {QStringLiteral("Facility Name"), 100},
        {QStringLiteral("City"), 100},
        {QStringLiteral("State"), 100},
        {QStringLiteral("Postal Code"), 100},
        {QStringLiteral("Country"), 100},
        {QStringLiteral("Recruitment Status"), 125},
        {QStringLiteral("First Name"), 100},
        {QStringLiteral("Middle Initial"), 100},
        {QStringLiteral("Last Name"), 100},
        {QStringLiteral("Degree"), 100},
        {QStringLiteral("Phone"), 100},
        {QStringLiteral("Extension"), 100},
        {QStringLiteral("Email"), 100},
        {QStringLiteral("First Name Backup"), 125},
        {QStringLiteral("Middle Initial Backup"), 125},
        {QStringLiteral("Last Name Backup"), 125},
        {QStringLiteral("Degree Backup"), 100},
        {QStringLiteral("Phone Backup"), 100},
        {QStringLiteral("Extension Backup"), 100},
        {QStringLiteral("Email Backup"), 100},
    });
    connectListCommands(m_locations.list(),
                        {IDC_ADD, IDC_EDIT, IDC_REMOVE, [this] { addLocation(); },
                         [this] { editLocation(); }, [this] { removeLocation(); }});
}

void LocationsPage::onLoad(StudyRecord& record) {
    using Fields = decltype(fields(std::declval<const Location&>()));
    std::vector<Fields> cells;
    cells.reserve(record.location.size());
    m_investigators.clear();
    m_investigators.reserve(record.location.size());
    for (const auto& location : record.location) {
        cells.push_back(fields(std::as_const(*location)));
        m_investigators.push_back(copies(location->investigator));
    }
    const auto cell = [&cells](int row, int column) -> const std::string& {
        return *cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    };
    m_locations.replaceRows(
        static_cast<int>(cells.size()),
        [&cell](int row, int column) { return ItemTexts::decode(cell(row, column)); },
        [&cell](int row, int column, const QString& shown) {
            return ItemTexts::sameText(shown, cell(row, column));
        });
}

void LocationsPage::onStore(StudyRecord& record) {
    record.location.clear();
    for (int row = 0; row < m_locations.rowCount(); ++row) {
        Location& location = appendNew(record.location);
        int column = 0;
        for (std::string* field : fields(location)) {
            *field = ItemTexts::encode(m_locations.cellText(row, column++));
        }
        for (const Investigator& investigator : m_investigators[static_cast<std::size_t>(row)]) {
            location.investigator.push_back(std::make_unique<Investigator>(investigator));
        }
    }
}

void LocationsPage::addLocation() {
    std::vector<Investigator> investigators;
    m_locations.add(
        [this, &investigators](const QStringList& inputs) -> std::optional<QStringList> {
            LocationDialog dialog(investigators, this);
            dialog.setInputs(inputs);
            if (dialog.exec() != QDialog::Accepted) {
                return std::nullopt;
            }
            m_investigators.push_back(investigators);
            return dialog.outputs();
        });
}

void LocationsPage::editLocation() {
    const int row = m_locations.firstSelectedRow();
    m_locations.edit([this, row](const QStringList& inputs) -> std::optional<QStringList> {
        LocationDialog dialog(m_investigators[static_cast<std::size_t>(row)], this);
        dialog.setInputs(inputs);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.outputs();
    });
}

void LocationsPage::removeLocation() {
    const int row = m_locations.firstSelectedRow();
    m_locations.remove();
    if (row >= 0) {
        m_investigators.erase(m_investigators.begin() + row);
    }
}
