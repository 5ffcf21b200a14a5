#pragma once

#include "editor/EditorPage.h"
#include "editor/ItemList.h"
#include "model/Official.h"

class Contact;

// The "Contacts" section: the central contact, its backup, and the study
// officials. The contacts are edited in place (their records and delete
// flags stay); the officials are a list of copies given back at every store.
class ContactsPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_CONTACT_GROUP = 5100,
        IDC_BACKUP_GROUP = 5101,
        IDC_OFFICIALS_GROUP = 5102,
        // Seven per contact, in this order: first name, middle initial, last
        // name, degree, phone, extension, email.
        IDC_CONTACT_FIRST = 1200,
        IDC_BACKUP_FIRST = 1210,
        IDC_OFFICIALS = 5001,
        IDC_ADD = 1022,
        IDC_EDIT = 1026,
        IDC_REMOVE = 1024,
        IDC_MARKER_CONTACT = 1181,
        IDC_MARKER_BACKUP = 1182,
        IDC_MARKER_OFFICIALS = 1183,
    };
    enum ContactField { FirstName, MiddleName, LastName, Degree, Phone, Extension, Email };
    static constexpr int kTemplateNumber = 515;

    static DialogTemplate pageTemplate();

    explicit ContactsPage(QWidget* parent = nullptr);

    ItemList<Official>& officials() { return m_officials; }

    void addOfficial();
    void editOfficial();
    void removeOfficial();

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void loadContact(int first, const Contact& contact);
    void storeContact(int first, Contact& contact) const;

    ItemList<Official> m_officials;
};
