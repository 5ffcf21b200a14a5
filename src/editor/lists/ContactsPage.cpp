#include "editor/lists/ContactsPage.h"

#include "editor/lists/OfficialDialog.h"
#include "model/StudyRecord.h"

#include <QTreeView>

namespace {

ControlTemplate label(const char* text, int x, int y, int width) {
    return {.kind = ControlKind::StaticText,
            .text = QString::fromLatin1(text),
            .rect = {x, y, width, 8},
            .style = StyleNoWrap};
}

ControlTemplate edit(int id, int x, int y, int width, unsigned anchors = 0) {
    return {.id = id, .kind = ControlKind::Edit, .rect = {x, y, width, 12}, .anchors = anchors};
}

// A contact's box at `y`: first name, middle initial and last name in one
// row, degree, phone, extension and email in the next.
void addContact(std::vector<ControlTemplate>& controls, int groupId, const char* title, int y,
                int first, int markerId, const char* key) {
    controls.push_back({.id = groupId,
                        .kind = ControlKind::GroupBox,
                        .text = QString::fromLatin1(title),
                        .rect = {4, y, 254, 64},
                        .anchors = AnchorStretchRight});
    const int row1 = y + 12;
    const int row2 = y + 38;
    controls.push_back(label("First Name", 12, row1, 70));
    controls.push_back(label("Middle Initial", 86, row1, 50));
    controls.push_back(label("Last Name", 140, row1, 90));
    controls.push_back(EditorPage::marker(markerId, row1, key));
    controls.push_back(edit(first + ContactsPage::FirstName, 12, row1 + 10, 70));
    controls.push_back(edit(first + ContactsPage::MiddleName, 86, row1 + 10, 50));
    controls.push_back(
        edit(first + ContactsPage::LastName, 140, row1 + 10, 90, AnchorStretchRight));
    controls.push_back(label("Degree", 12, row2, 44));
    controls.push_back(label("Phone", 60, row2, 60));
    controls.push_back(label("Extension", 124, row2, 36));
    controls.push_back(label("Email Address", 164, row2, 66));
    // The degree keeps its width: stretching it would run it over the phone.
    controls.push_back(edit(first + ContactsPage::Degree, 12, row2 + 10, 44));
    controls.push_back(edit(first + ContactsPage::Phone, 60, row2 + 10, 60));
    controls.push_back(edit(first + ContactsPage::Extension, 124, row2 + 10, 36));
    controls.push_back(edit(first + ContactsPage::Email, 164, row2 + 10, 66, AnchorStretchRight));
}

ItemList<Official>::Columns officialColumns() {
    using Column = ItemColumn<Official>;
    return {Column::of(QStringLiteral("First Name"), 100, &Official::first_name),
            Column::of(QStringLiteral("Middle Initial"), 75, &Official::middle_name),
            Column::of(QStringLiteral("Last Name"), 100, &Official::last_name),
            Column::of(QStringLiteral("Degree"), 100, &Official::degrees),
            Column::of(QStringLiteral("Role"), 100, &Official::role),
            Column::of(QStringLiteral("Affiliation"), 100, &Official::affiliation)};
}

} // namespace

DialogTemplate ContactsPage::pageTemplate() {
    std::vector<ControlTemplate> controls;
    addContact(controls, IDC_CONTACT_GROUP, "Central Contact", 2, IDC_CONTACT_FIRST,
               IDC_MARKER_CONTACT, "OverallStudyContact");
    addContact(controls, IDC_BACKUP_GROUP, "Central Contact Backup", 68, IDC_BACKUP_FIRST,
               IDC_MARKER_BACKUP, "OverallStudyContactBackup");
    controls.push_back({.id = IDC_OFFICIALS_GROUP,
                        .kind = ControlKind::GroupBox,
                        .text = QStringLiteral("Study Officials"),
                        .rect = {4, 134, 254, 195},
                        .anchors = AnchorGrow});
    controls.push_back({.id = IDC_OFFICIALS,
                        .kind = ControlKind::ItemListView,
                        .rect = {12, 146, 238, 156},
                        .anchors = AnchorGrow});
    controls.push_back(bottomButton(IDC_ADD, "&Add", 12));
    controls.push_back(bottomButton(IDC_EDIT, "&Edit", 66));
    controls.push_back(bottomButton(IDC_REMOVE, "&Remove", 120));
    controls.push_back(marker(IDC_MARKER_OFFICIALS, 312, "StudyOfficials"));
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ContactsPage::ContactsPage(QWidget* parent) : EditorPage(parent), m_officials(officialColumns()) {
    buildPage(pageTemplate());
    m_officials.attach(control<QTreeView>(IDC_OFFICIALS), this,
                       ItemList<Official>::dialogOf<OfficialDialog>(this));
    connectListCommands(m_officials.view(),
                        {IDC_ADD, IDC_EDIT, IDC_REMOVE, [this] { addOfficial(); },
                         [this] { editOfficial(); }, [this] { removeOfficial(); }});
}

void ContactsPage::loadContact(int first, const Contact& contact) {
    setText(first + FirstName, contact.first_name);
    setText(first + MiddleName, contact.middle_name);
    setText(first + LastName, contact.last_name);
    setText(first + Degree, contact.degrees);
    setText(first + Phone, contact.phone);
    setText(first + Extension, contact.phone_ext);
    setText(first + Email, contact.email);
}

void ContactsPage::storeContact(int first, Contact& contact) const {
    storeText(first + FirstName, contact.first_name);
    storeText(first + MiddleName, contact.middle_name);
    storeText(first + LastName, contact.last_name);
    storeText(first + Degree, contact.degrees);
    storeText(first + Phone, contact.phone);
    storeText(first + Extension, contact.phone_ext);
    storeText(first + Email, contact.email);
}

void ContactsPage::onLoad(StudyRecord& record) {
    loadContact(IDC_CONTACT_FIRST, record.overall_contact);
    loadContact(IDC_BACKUP_FIRST, record.overall_contact_backup);
    m_officials.load(record.overall_official);
}

void ContactsPage::onStore(StudyRecord& record) {
    storeContact(IDC_CONTACT_FIRST, record.overall_contact);
    storeContact(IDC_BACKUP_FIRST, record.overall_contact_backup);
    m_officials.store(record.overall_official);
}

void ContactsPage::addOfficial() {
    m_officials.add();
}

void ContactsPage::editOfficial() {
    m_officials.edit();
}

void ContactsPage::removeOfficial() {
    m_officials.remove();
}
