#pragma once

#include "editor/EditorPage.h"
#include "editor/ItemList.h"
#include "model/ArmGroup.h"
#include "model/Intervention.h"

#include <QStringList>
#include <string>

// The "Interventions" section: the interventions, and the record's arm groups
// shown as study arms (interventional protocols) or as study groups
// (observational ones); other study types hide the arm groups. Both lower
// lists are filled from the arm groups at every load; the study type decides
// which one the commands act on and which one is stored (the arms unless the
// protocol is observational). Renaming an arm or group renames it in the
// interventions that refer to it.
class ArmsInterventionsPage : public EditorPage {
    Q_OBJECT
public:
    enum ControlId {
        IDC_INTERVENTIONS_GROUP = 5100,
        IDC_INTERVENTIONS = 5001,
        IDC_INTERVENTION_ADD = 1022,
        IDC_INTERVENTION_EDIT = 1026,
        IDC_INTERVENTION_REMOVE = 1024,
        IDC_ARMS_GROUP = 5101,
        IDC_ARMS = 5002,
        IDC_GROUPS = 5003,
        IDC_ARM_ADD = 1027,
        IDC_ARM_EDIT = 1028,
        IDC_ARM_REMOVE = 1029,
        IDC_MARKER_INTERVENTIONS = 1173,
        IDC_MARKER_ARMS = 1174,
        IDC_MARKER_GROUPS = 1187,
    };
    static constexpr int kTemplateNumber = 510;

    static DialogTemplate pageTemplate();

    explicit ArmsInterventionsPage(QWidget* parent = nullptr);

    // The record's study type as it stands now; empty before a load.
    QString studyType() const;
    // The labels the intervention dialog offers: the arms' or the groups'.
    QStringList availableLabels() const;

    ItemList<Intervention>& interventions() { return m_interventions; }
    ItemList<ArmGroup>& arms() { return m_arms; }
    ItemList<ArmGroup>& groups() { return m_groups; }

    void addArm();
    void editArm();
    void removeArm();
    void addIntervention();
    void editIntervention();
    void removeIntervention();

protected:
    void onLoad(StudyRecord& record) override;
    void onStore(StudyRecord& record) override;

private:
    void applyView(const QString& studyType);
    bool observational() const;
    ItemList<ArmGroup>& armList();
    std::optional<Intervention> runInterventionDialog(const Intervention& intervention,
                                                      ItemDialog::Purpose purpose);
    void renameLabel(const std::string& from, const std::string& to);

    ItemList<Intervention> m_interventions;
    ItemList<ArmGroup> m_arms;
    ItemList<ArmGroup> m_groups;
};
