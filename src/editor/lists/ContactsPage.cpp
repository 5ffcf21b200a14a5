#include "editor/lists/ContactsPage.h"

#include "editor/lists/OfficialDialog.h"
#include "model/StudyRecord.h"

#include <QTreeView>

namespace {

// One name or contact field: its label as wide as its edit, at `left`.
TemplateColumn::Field contactField(const char* label, int id, int left, int width,
                                   unsigned anchors = 0) {
    return {label, id, ControlShape::edit().left(left).width(width).anchors(anchors)};
}

// A contact's box: first name, middle initial and last name in one row,
// degree, phone, extension and email in the next.
void addContact(TemplateColumn& col, int groupId, const char* title, int first,
                const HelpMarker& marker) {
    using P = ContactsPage;
    col.group(groupId, QString::fromLatin1(title));
    col.fields({contactField("First Name", first + P::FirstName, 12, 70),
                contactField("Middle Initial", first + P::MiddleName, 86, 50),
                contactField("Last Name", first + P::LastName, 140, 90, AnchorStretchRight)},
               marker, 4);
    // The degree keeps its width: stretching it would run it over the phone.
    col.fields({contactField("Degree", first + P::Degree, 12, 44),
                contactField("Phone", first + P::Phone, 60, 60),
                contactField("Extension", first + P::Extension, 124, 36),
                contactField("Email Address", first + P::Email, 164, 66, AnchorStretchRight)},
               {}, 4);
    col.endGroup(0, 2);
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
    TemplateColumn col = listColumn();
    addContact(col, IDC_CONTACT_GROUP, "Central Contact", IDC_CONTACT_FIRST,
               {IDC_MARKER_CONTACT, QStringLiteral("OverallStudyContact")});
    addContact(col, IDC_BACKUP_GROUP, "Central Contact Backup", IDC_BACKUP_FIRST,
               {IDC_MARKER_BACKUP, QStringLiteral("OverallStudyContactBackup")});
    col.group(IDC_OFFICIALS_GROUP, QStringLiteral("Study Officials"));
    col.control(IDC_OFFICIALS, ControlShape::itemList(156).anchors(AnchorGrow));
    listButtons(col, {IDC_ADD, IDC_EDIT, IDC_REMOVE}, 7,
                {{IDC_MARKER_OFFICIALS, QStringLiteral("StudyOfficials")}});
    col.closeGroup(kPageHeight - 4, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
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
