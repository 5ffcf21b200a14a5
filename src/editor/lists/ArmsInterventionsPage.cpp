#include "editor/lists/ArmsInterventionsPage.h"

#include "controls/CXPGroupBox.h"
#include "editor/lists/ArmDialog.h"
#include "editor/lists/GroupDialog.h"
#include "editor/lists/InterventionDialog.h"
#include "model/StudyRecord.h"
#include "platform/TextCodec.h"

#include <QTreeView>
#include <algorithm>
#include <utility>

namespace {

const QString kInterventional = QStringLiteral("Interventional");
const QString kObservational = QStringLiteral("Observational");

QString joined(const std::vector<std::string>& texts, const QString& separator) {
    QStringList decoded;
    for (const std::string& text : texts) {
        decoded << TextCodec::decode(text);
    }
    return decoded.join(separator);
}

ItemList<Intervention>::Columns interventionColumns() {
    using Column = ItemColumn<Intervention>;
    return {Column::of(QStringLiteral("Intervention Type"), 125, &Intervention::intervention_type),
            Column::of(QStringLiteral("Intervention Name"), 200, &Intervention::intervention_name),
            Column::of(QStringLiteral("Intervention Description"), 200,
                       &Intervention::intervention_description),
            {QStringLiteral("Groups"), 200,
             [](const Intervention& item) {
                 return joined(item.arm_group_label, QStringLiteral(","));
             }},
            {QStringLiteral("Other Names"), 200, [](const Intervention& item) {
                 return joined(item.intervention_other_name, QStringLiteral("\r\n"));
             }}};
}

ItemList<ArmGroup>::Columns armColumns() {
    using Column = ItemColumn<ArmGroup>;
    return {Column::of(QStringLiteral("Arm Label"), 200, &ArmGroup::arm_group_label),
            Column::of(QStringLiteral("Arm Type"), 150, &ArmGroup::arm_type),
            Column::of(QStringLiteral("Arm Description"), 200, &ArmGroup::arm_group_description)};
}

ItemList<ArmGroup>::Columns groupColumns() {
    using Column = ItemColumn<ArmGroup>;
    return {Column::of(QStringLiteral("Group/Cohort Label"), 200, &ArmGroup::arm_group_label),
            Column::of(QStringLiteral("Group/Cohort Description"), 200,
                       &ArmGroup::arm_group_description)};
}

// The labels with `from` renamed `to`, which appears once.
std::vector<std::string> renamed(const std::vector<std::string>& labels, const std::string& from,
                                 const std::string& to) {
    std::vector<std::string> result;
    bool present = false;
    for (const std::string& label : labels) {
        const std::string& now = label == from ? to : label;
        if (now == to && std::exchange(present, true)) {
            continue;
        }
        result.push_back(now);
    }
    return result;
}

} // namespace

DialogTemplate ArmsInterventionsPage::pageTemplate() {
    using C = ControlShape;
    TemplateColumn col = listColumn();
    col.group(IDC_INTERVENTIONS_GROUP, QStringLiteral("Interventions"));
    col.control(IDC_INTERVENTIONS, C::itemList(118));
    listButtons(col, {IDC_INTERVENTION_ADD, IDC_INTERVENTION_EDIT, IDC_INTERVENTION_REMOVE}, 6,
                {{IDC_MARKER_INTERVENTIONS, QStringLiteral("InterventionType")}});
    col.endGroup(2, 4);
    // Arms for interventional studies, groups for the others, in one place.
    col.group(IDC_ARMS_GROUP, QStringLiteral("Study Arms"));
    col.control(IDC_ARMS, C::itemList(126).anchors(AnchorGrow));
    col.alternative(IDC_GROUPS, C::itemList(126).style(StyleHidden | StyleDisabled));
    listButtons(col, {IDC_ARM_ADD, IDC_ARM_EDIT, IDC_ARM_REMOVE}, 7,
                {{IDC_MARKER_ARMS, QStringLiteral("Interventions")},
                 {IDC_MARKER_GROUPS, QStringLiteral("GroupLabel"), StyleHidden}});
    col.closeGroup(kPageHeight - 4, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

ArmsInterventionsPage::ArmsInterventionsPage(QWidget* parent)
    : EditorPage(parent), m_interventions(interventionColumns()), m_arms(armColumns()),
      m_groups(groupColumns()) {
    buildPage(pageTemplate());
    m_interventions.attach(
        control<QTreeView>(IDC_INTERVENTIONS), this,
        [this](const Intervention& intervention, ItemDialog::Purpose purpose) {
            return runInterventionDialog(intervention, purpose);
        });
    m_arms.attach(control<QTreeView>(IDC_ARMS), this,
                  ItemList<ArmGroup>::dialogOf<ArmDialog>(this));
    m_groups.attach(control<QTreeView>(IDC_GROUPS), this,
                    ItemList<ArmGroup>::dialogOf<GroupDialog>(this));
    connectListCommands(m_interventions.view(),
                        {IDC_INTERVENTION_ADD, IDC_INTERVENTION_EDIT, IDC_INTERVENTION_REMOVE,
                         [this] { addIntervention(); }, [this] { editIntervention(); },
                         [this] { removeIntervention(); }});
    // The arms and the groups share one row of buttons.
    connectListCommands(m_arms.view(),
                        {IDC_ARM_ADD, IDC_ARM_EDIT, IDC_ARM_REMOVE, [this] { addArm(); },
                         [this] { editArm(); }, [this] { removeArm(); }});
    connect(m_groups.view(), &QAbstractItemView::doubleClicked, this,
            &ArmsInterventionsPage::editArm);
}

QString ArmsInterventionsPage::studyType() const {
    return record() == nullptr ? QString()
                               : TextCodec::decode(record()->study_design.study_type.displayText());
}

bool ArmsInterventionsPage::observational() const {
    return studyType() == kObservational;
}

ItemList<ArmGroup>& ArmsInterventionsPage::armList() {
    return observational() ? m_groups : m_arms;
}

QStringList ArmsInterventionsPage::availableLabels() const {
    const QString type = studyType();
    QStringList labels;
    if (type == kInterventional || type == kObservational) {
        for (const ArmGroup& group : (type == kInterventional ? m_arms : m_groups).items()) {
            labels << TextCodec::decode(group.arm_group_label);
        }
    }
    return labels;
}

void ArmsInterventionsPage::applyView(const QString& studyType) {
    const bool arms = studyType == kInterventional;
    const bool groups = studyType == kObservational;
    for (const int id : {IDC_ARMS, IDC_MARKER_ARMS}) {
        control(id)->setVisible(arms);
        control(id)->setEnabled(arms);
    }
    for (const int id : {IDC_GROUPS, IDC_MARKER_GROUPS}) {
        control(id)->setVisible(groups);
        control(id)->setEnabled(groups);
    }
    auto* box = control<CXPGroupBox>(IDC_ARMS_GROUP);
    box->setTitle(groups ? QStringLiteral("Study Groups") : QStringLiteral("Study Arms"));
    box->setVisible(arms || groups);
    for (const int id : {IDC_ARM_ADD, IDC_ARM_EDIT, IDC_ARM_REMOVE}) {
        control(id)->setVisible(arms || groups);
    }
}

void ArmsInterventionsPage::onLoad(StudyRecord& record) {
    applyView(studyType());
    m_arms.load(record.arm_group);
    m_groups.load(record.arm_group);
    m_interventions.load(record.intervention);
}

void ArmsInterventionsPage::onStore(StudyRecord& record) {
    armList().store(record.arm_group);
    m_interventions.store(record.intervention);
}

std::optional<Intervention>
ArmsInterventionsPage::runInterventionDialog(const Intervention& intervention,
                                             ItemDialog::Purpose purpose) {
    InterventionDialog dialog(this);
    dialog.setAssociations(availableLabels(), studyType());
    dialog.setItem(intervention);
    dialog.setPurpose(purpose);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.item();
}

void ArmsInterventionsPage::renameLabel(const std::string& from, const std::string& to) {
    // While another arm has the old label, the interventions still mean that one.
    const std::vector<ArmGroup>& arms = armList().items();
    if (from == to || std::any_of(arms.begin(), arms.end(), [&from](const ArmGroup& arm) {
            return arm.arm_group_label == from;
        })) {
        return;
    }
    for (int row = 0; row < m_interventions.rowCount(); ++row) {
        const std::vector<std::string>& labels = m_interventions.item(row).arm_group_label;
        if (std::find(labels.begin(), labels.end(), from) != labels.end()) {
            Intervention intervention = m_interventions.item(row);
            intervention.arm_group_label = renamed(labels, from, to);
            m_interventions.model().replace(row, std::move(intervention));
        }
    }
}

void ArmsInterventionsPage::addArm() {
    armList().add();
}

void ArmsInterventionsPage::editArm() {
    ItemList<ArmGroup>& arms = armList();
    const int row = arms.firstSelectedRow();
    const std::string before = row < 0 ? std::string() : arms.item(row).arm_group_label;
    if (arms.edit()) {
        renameLabel(before, arms.item(row).arm_group_label);
    }
}

void ArmsInterventionsPage::removeArm() {
    armList().remove();
}

void ArmsInterventionsPage::addIntervention() {
    m_interventions.add();
}

void ArmsInterventionsPage::editIntervention() {
    m_interventions.edit();
}

void ArmsInterventionsPage::removeIntervention() {
    m_interventions.remove();
}
