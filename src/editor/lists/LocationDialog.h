#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemForm.h"
#include "editor/ItemList.h"
#include "model/Investigator.h"
#include "model/Location.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QStringList>
#include <string>

// Adds or edits one study location: its facility, recruitment status, the
// facility contact and its backup (twenty texts, in the locations list's
// column order), and its investigators, a list of their own edited with the
// official dialog in investigator mode.
class LocationDialog : public ItemDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_OK = 1,
        IDC_CANCEL = 2,
        // The twenty texts, in column order.
        IDC_FACILITY_NAME = 1100,
        IDC_CITY,
        IDC_STATE,
        IDC_ZIP,
        IDC_COUNTRY,
        IDC_STATUS,
        IDC_FIRST_NAME,
        IDC_MIDDLE_NAME,
        IDC_LAST_NAME,
        IDC_DEGREE,
        IDC_PHONE,
        IDC_EXTENSION,
        IDC_EMAIL,
        IDC_BACKUP_FIRST_NAME,
        IDC_BACKUP_MIDDLE_NAME,
        IDC_BACKUP_LAST_NAME,
        IDC_BACKUP_DEGREE,
        IDC_BACKUP_PHONE,
        IDC_BACKUP_EXTENSION,
        IDC_BACKUP_EMAIL,
        IDC_INVESTIGATORS = 1130,
        IDC_ADD = 1131,
        IDC_EDIT = 1132,
        IDC_REMOVE = 1133,
    };
    static constexpr int kTemplateNumber = 518;
    static constexpr int kTextCount = 20;

    static const QStringList& recruitmentStatuses();
    static DialogTemplate dialogTemplate();

    // The location's text shown in column `column` (0 to kTextCount - 1).
    static const std::string& text(const Location& location, int column);
    static std::string& text(Location& location, int column);

    explicit LocationDialog(QWidget* parent = nullptr);

    // Set before exec(); none for Add.
    void setItem(const Location& location);
    // The item with what the user changed; after OK.
    const Location& item() const { return m_form.item(); }

    ItemList<Investigator>& investigators() { return m_investigators; }

    void addInvestigator();
    void editInvestigator();
    void removeInvestigator();

    void accept() override;

private:
    std::optional<Investigator> runInvestigatorDialog(const Investigator& investigator,
                                                      Purpose purpose);
    bool checkRequired();

    ItemForm<Location> m_form;
    ItemList<Investigator> m_investigators;
};
