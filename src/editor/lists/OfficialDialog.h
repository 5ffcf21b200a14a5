#pragma once

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QDialog>
#include <QStringList>

// Adds or edits one study official, or, in investigator mode, one
// investigator of a location: the investigator roles replace the official
// roles and the affiliation is hidden.
class OfficialDialog : public QDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_OK = 1,
        IDC_CANCEL = 2,
        IDC_GROUP = 1010,
        IDC_FIRST_NAME = 1011,
        IDC_MIDDLE_NAME = 1012,
        IDC_LAST_NAME = 1013,
        IDC_DEGREE = 1014,
        IDC_ROLE = 1032,
        IDC_INVESTIGATOR_ROLE = 1033,
        IDC_AFFILIATION_LABEL = 1015,
        IDC_AFFILIATION = 1016,
    };
    static constexpr int kTemplateNumber = 516;

    static const QStringList& officialRoles();
    static const QStringList& investigatorRoles();
    static DialogTemplate dialogTemplate();
    static const QString kUnaffiliated;

    explicit OfficialDialog(QWidget* parent = nullptr);

    // First name, middle initial, last name, degree, role, affiliation; set
    // once, before exec().
    void setInputs(const QStringList& texts, bool investigatorMode = false);
    // The same six texts; valid after exec() returned Accepted.
    QStringList outputs() const { return m_outputs; }

    bool investigatorMode() const { return m_investigatorMode; }
    QWidget* control(int id) const { return m_controls.widget(id); }

    void accept() override;

private:
    void applyMode();
    int visibleRoleList() const;

    DialogControls m_controls;
    bool m_investigatorMode = false;
    QStringList m_outputs;
};
