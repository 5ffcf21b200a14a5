#include "editor/lists/LocationsPage.h"

#include "editor/lists/LocationDialog.h"
#include "model/StudyRecord.h"
#include "platform/TextCodec.h"

#include <QTreeView>
#include <iterator>

namespace {

struct Heading {
    const char* title;
    int width;
};

// In the order of LocationDialog::text().
constexpr Heading kHeadings[] = {
    {"Facility Name", 100},
    {"City", 100},
    {"State", 100},
    {"Postal Code", 100},
    {"Country", 100},
    {"Recruitment Status", 125},
    {"First Name", 100},
    {"Middle Initial", 100},
    {"Last Name", 100},
    {"Degree", 100},
    {"Phone", 100},
    {"Extension", 100},
    {"Email", 100},
    {"First Name Backup", 125},
    {"Middle Initial Backup", 125},
    {"Last Name Backup", 125},
    {"Degree Backup", 100},
    {"Phone Backup", 100},
    {"Extension Backup", 100},
    {"Email Backup", 100},
};

static_assert(std::size(kHeadings) == LocationDialog::kTextCount);

ItemList<Location>::Columns locationColumns() {
    ItemList<Location>::Columns columns;
    for (int column = 0; column < LocationDialog::kTextCount; ++column) {
        const Heading& heading = kHeadings[column];
        columns.push_back(
            {QString::fromLatin1(heading.title), heading.width, [column](const Location& location) {
                 return TextCodec::decode(LocationDialog::text(location, column));
             }});
    }
    return columns;
}

} // namespace

DialogTemplate LocationsPage::pageTemplate() {
    TemplateColumn col = listColumn();
    col.group(IDC_GROUP, QStringLiteral("Locations"));
    col.control(IDC_LOCATIONS, ControlShape::itemList(288).anchors(AnchorGrow));
    listButtons(col, {IDC_ADD, IDC_EDIT, IDC_REMOVE}, 7,
                {{IDC_MARKER_LOCATIONS, QStringLiteral("Locations")}});
    col.closeGroup(kPageHeight - 4, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

LocationsPage::LocationsPage(QWidget* parent) : EditorPage(parent), m_locations(locationColumns()) {
    buildPage(pageTemplate());
    m_locations.attach(control<QTreeView>(IDC_LOCATIONS), this,
                       ItemList<Location>::dialogOf<LocationDialog>(this));
    connectListCommands(m_locations.view(),
                        {IDC_ADD, IDC_EDIT, IDC_REMOVE, [this] { addLocation(); },
                         [this] { editLocation(); }, [this] { removeLocation(); }});
}

void LocationsPage::onLoad(StudyRecord& record) {
    m_locations.load(record.location);
}

void LocationsPage::onStore(StudyRecord& record) {
    m_locations.store(record.location);
}

void LocationsPage::addLocation() {
    m_locations.add();
}

void LocationsPage::editLocation() {
    m_locations.edit();
}

void LocationsPage::removeLocation() {
    m_locations.remove();
}
