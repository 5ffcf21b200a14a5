#pragma once

#include "editor/ItemDialog.h"
#include "editor/ItemForm.h"
#include "model/Investigator.h"
#include "model/Official.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QStringList>

// Adds or edits one study official, or, in investigator mode, one
// investigator of a location: the investigator roles replace the official
// roles and the affiliation is hidden. An official left without affiliation
// is "Unaffiliated" after OK, unless the user changed nothing.
class OfficialDialog : public ItemDialog {
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
        IDC_ROLE_LABEL = 1034,
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

    // Set once, before exec(); none for Add. An investigator turns on
    // investigator mode.
    void setItem(const Official& official);
    void setItem(const Investigator& investigator);
    // The item with what the user changed; after OK.
    const Official& item() const { return m_form.item(); }
    Investigator investigator() const;

    bool investigatorMode() const { return m_investigatorMode; }

    void accept() override;

private:
    void applyMode();
    int visibleRoleList() const;
    void showItem(const Official& official);

    bool m_investigatorMode = false;
    ItemForm<Official> m_form;
};
