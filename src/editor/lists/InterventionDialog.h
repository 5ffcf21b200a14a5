#pragma once

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <QDialog>
#include <QStringList>

class QTreeWidget;

// Adds or edits one intervention: type, name, description, other names, and
// the arms or groups it belongs to, chosen by check boxes from the labels the
// page offers. Labels are matched by text only.
class InterventionDialog : public QDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_OK = 1,
        IDC_CANCEL = 2,
        IDC_TYPE = 1032,
        IDC_NAME = 1011,
        IDC_DESCRIPTION = 1013,
        IDC_OTHER_NAMES = 1014,
        IDC_ASSOCIATION_LABEL = 1015,
        IDC_GROUPS = 1016,
    };
    static constexpr int kTemplateNumber = 513;
    // How far the other names box grows when there is nothing to associate.
    static constexpr int kOtherNamesGrowth = 127; // pixels

    static const QStringList& interventionTypes();
    static DialogTemplate dialogTemplate();

    struct Inputs {
        QStringList row;         // type, name, description, groups, other names
        QString availableLabels; // joined with ","
        QString studyType;
    };

    explicit InterventionDialog(QWidget* parent = nullptr);

    // Set once, before exec().
    void setInputs(const Inputs& inputs);
    // Type, name, description, groups (the checked labels joined with ","),
    // other names ("\r\n" between lines); valid after exec() returned Accepted.
    QStringList outputs() const { return m_outputs; }

    QWidget* control(int id) const { return m_controls.widget(id); }
    QTreeWidget* groupsList() const;

    void accept() override;

private:
    void fillGroups(const QString& availableLabels, const QString& groups);
    void applyStudyType(const QString& studyType);
    QString checkedGroups() const;

    DialogControls m_controls;
    QRect m_otherNamesPlace;
    QStringList m_outputs;
};
