#pragma once

#include "editor/ListSection.h"
#include "model/Investigator.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QDialog>
#include <QStringList>
#include <vector>

// Adds or edits one study location: its facility, recruitment status, the
// facility contact and its backup (twenty texts in the locations list's
// column order), and its investigators. The caller's investigator list is
// rewritten only when OK succeeds.
class LocationDialog : public QDialog {
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

    // `investigators` must outlive the dialog.
    explicit LocationDialog(std::vector<Investigator>& investigators, QWidget* parent = nullptr);

    // The twenty texts; set before exec().
    void setInputs(const QStringList& texts);
    // Valid after exec() returned Accepted.
    QStringList outputs() const { return m_outputs; }

    ListSection& investigatorRows() { return m_investigatorRows; }
    QWidget* control(int id) const { return m_controls.widget(id); }

    void addInvestigator();
    void editInvestigator();
    void removeInvestigator();

    void accept() override;

private:
    std::optional<QStringList> runInvestigatorDialog(const QStringList& inputs);
    bool checkRequired();
    void writeInvestigators();

    DialogControls m_controls;
    std::vector<Investigator>& m_investigators;
    ListSection m_investigatorRows;
    QStringList m_outputs;
};
