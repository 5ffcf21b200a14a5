#include "editor/lists/ArmsInterventionsPage.h"

#include "controls/CXPGroupBox.h"
#include "editor/PageControls.h"
#include "editor/lists/ArmDialog.h"
#include "editor/lists/GroupDialog.h"
#include "editor/lists/InterventionDialog.h"
#include "editor/lists/ItemTexts.h"
#include "model/StudyRecord.h"

#include <QTreeWidget>

namespace {

const QString kInterventional = QStringLiteral("Interventional");
const QString kObservational = QStringLiteral("Observational");
const QString kExpandedAccess = QStringLiteral("Expanded Access");

ControlTemplate list(int id, int y, int height, unsigned anchors, unsigned style = 0) {
    return {.id = id,
            .kind = ControlKind::ListView,
            .rect = {12, y, 238, height},
            .anchors = anchors,
            .style = style};
}

QString decode(const std::string& text) {
    return ItemTexts::decode(text);
}

QString joined(const std::vector<std::string>& texts, const QString& separator) {
    QStringList decoded;
    for (const std::string& text : texts) {
        decoded << decode(text);
    }
    return decoded.join(separator);
}

std::vector<std::string> encoded(const QStringList& texts) {
    std::vector<std::string> all;
    all.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts) {
        all.push_back(ItemTexts::encode(text));
    }
    return all;
}

} // namespace

DialogTemplate ArmsInterventionsPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_INTERVENTIONS_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Interventions"),
         .rect = {4, 2, 254, 158},
         .anchors = AnchorStretchRight},
        list(IDC_INTERVENTIONS, 14, 118, AnchorStretchRight),
        PageControls::button(IDC_INTERVENTION_ADD, "&Add", 12, 138, 0),
        PageControls::button(IDC_INTERVENTION_EDIT, "&Edit", 66, 138, 0),
        PageControls::button(IDC_INTERVENTION_REMOVE, "&Remove", 120, 138, 0),
        marker(IDC_MARKER_INTERVENTIONS, 141),
        {.id = IDC_ARMS_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Study Arms"),
         .rect = {4, 164, 254, 165},
         .anchors = AnchorGrow},
        list(IDC_ARMS, 176, 126, AnchorGrow),
        list(IDC_GROUPS, 176, 126, AnchorGrow, StyleHidden | StyleDisabled),
        PageControls::bottomButton(IDC_ARM_ADD, "&Add", 12),
        PageControls::bottomButton(IDC_ARM_EDIT, "&Edit", 66),
        PageControls::bottomButton(IDC_ARM_REMOVE, "&Remove", 120),
        marker(IDC_MARKER_ARMS, 312),
        marker(IDC_MARKER_GROUPS, 312),
    };
    controls.back().style |= StyleHidden;
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

ArmsInterventionsPage::ArmsInterventionsPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    m_interventions.attach(control<QTreeWidget>(IDC_INTERVENTIONS), this);
    m_arms.attach(control<QTreeWidget>(IDC_ARMS), this);
    m_groups.attach(control<QTreeWidget>(IDC_GROUPS), this);
    m_interventions.setColumns({{QStringLiteral("Intervention Type"), 125},
                                {QStringLiteral("Intervention Name"), 200},
                                {QStringLiteral("Intervention Description"), 200},
                                {QStringLiteral("Groups"), 200},
                                {QStringLiteral("Other Names"), 200}});
    m_arms.setColumns({{QStringLiteral("Arm Label"), 200},
                       {QStringLiteral("Arm Type"), 150},
                       {QStringLiteral("Arm Description"), 200}});
    m_groups.setColumns({{QStringLiteral("Group/Cohort Label"), 200},
                         {QStringLiteral("Group/Cohort Description"), 200}});
    connectListCommands(m_interventions.list(),
                        {IDC_INTERVENTION_ADD, IDC_INTERVENTION_EDIT, IDC_INTERVENTION_REMOVE,
                         [this] { addIntervention(); }, [this] { editIntervention(); },
                         [this] { removeIntervention(); }});
    // The arms and the groups share one row of buttons.
    connectListCommands(m_arms.list(),
                        {IDC_ARM_ADD, IDC_ARM_EDIT, IDC_ARM_REMOVE, [this] { addArm(); },
                         [this] { editArm(); }, [this] { removeArm(); }});
    connect(m_groups.list(), &QTreeWidget::itemDoubleClicked, this,
            &ArmsInterventionsPage::editArm);
}

QString ArmsInterventionsPage::studyType() const {
    return record() == nullptr ? QString()
                               : decode(record()->study_design.study_type.displayText());
}

bool ArmsInterventionsPage::interventional() const {
    return studyType() == kInterventional;
}

ListSection& ArmsInterventionsPage::armSection() {
    return interventional() ? m_arms : m_groups;
}

QString ArmsInterventionsPage::availableLabels() const {
    const QString type = studyType();
    const ListSection* source = nullptr;
    if (type == kInterventional) {
        source = &m_arms;
    } else if (type == kObservational) {
        source = &m_groups;
    }
    QStringList labels;
    if (source != nullptr) {
        for (int row = 0; row < source->rowCount(); ++row) {
            labels << source->list()->topLevelItem(row)->text(0);
        }
    }
    return labels.join(QLatin1Char(','));
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
    std::vector<QStringList> arms;
    std::vector<QStringList> groups;
    for (const auto& group : record.arm_group) {
        const QString label = decode(group->arm_group_label);
        const QString description = decode(group->arm_group_description.text());
        arms.push_back({label, decode(group->arm_type), description});
        groups.push_back({label, description});
    }
    std::vector<QStringList> interventions;
    for (const auto& intervention : record.intervention) {
        interventions.push_back(
            {decode(intervention->intervention_type), decode(intervention->intervention_name),
             decode(intervention->intervention_description.text()),
             joined(intervention->arm_group_label, QStringLiteral(",")),
             joined(intervention->intervention_other_name, QStringLiteral("\r\n"))});
    }
    for (auto [section, rows] : {std::pair{&m_arms, &arms}, std::pair{&m_groups, &groups},
                                 std::pair{&m_interventions, &interventions}}) {
        section->replaceRows(*rows);
    }
}

void ArmsInterventionsPage::onStore(StudyRecord& record) {
    const QString type = studyType();
    record.arm_group.clear();
    record.intervention.clear();
    // Expanded access protocols have no arm groups to refer to.
    const bool expandedAccess = type == kExpandedAccess;
    if (!expandedAccess) {
        storeArmGroups(record, type);
    }
    storeInterventions(record, !expandedAccess);
}

void ArmsInterventionsPage::storeArmGroups(StudyRecord& record, const QString& studyType) const {
    const bool arms = studyType == kInterventional;
    if (!arms && studyType != kObservational) {
        return;
    }
    for (const QStringList& row : (arms ? m_arms : m_groups).rows()) {
        ArmGroup& group = appendNew(record.arm_group);
        group.arm_group_label = ItemTexts::encode(row.value(0));
        if (arms) {
            group.arm_type = ItemTexts::encode(row.value(1));
        }
        group.arm_group_description.setText(ItemTexts::encode(row.value(arms ? 2 : 1)));
    }
}

void ArmsInterventionsPage::storeInterventions(StudyRecord& record, bool keepLabels) const {
    for (const QStringList& row : m_interventions.rows()) {
        Intervention& intervention = appendNew(record.intervention);
        intervention.intervention_type = ItemTexts::encode(row.value(0));
        intervention.intervention_name = ItemTexts::encode(row.value(1));
        intervention.intervention_description.setText(ItemTexts::encode(row.value(2)));
        if (keepLabels) {
            intervention.arm_group_label = encoded(ItemTexts::splitAtCommas(row.value(3)));
        }
        intervention.intervention_other_name =
            ItemTexts::splitLines(ItemTexts::encode(row.value(4)));
    }
}

std::optional<QStringList> ArmsInterventionsPage::runArmDialog(const QStringList& inputs) {
    if (interventional()) {
        ArmDialog dialog(this);
        dialog.setInputs(inputs);
        return dialog.exec() == QDialog::Accepted ? std::optional(dialog.outputs()) : std::nullopt;
    }
    GroupDialog dialog(this);
    dialog.setInputs(inputs);
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.outputs()) : std::nullopt;
}

std::optional<QStringList> ArmsInterventionsPage::runInterventionDialog(const QStringList& inputs) {
    InterventionDialog dialog(this);
    dialog.setInputs(
        {.row = inputs, .availableLabels = availableLabels(), .studyType = studyType()});
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.outputs()) : std::nullopt;
}

void ArmsInterventionsPage::addArm() {
    armSection().add([this](const QStringList& inputs) { return runArmDialog(inputs); });
}

void ArmsInterventionsPage::editArm() {
    armSection().edit([this](const QStringList& inputs) { return runArmDialog(inputs); });
}

void ArmsInterventionsPage::removeArm() {
    armSection().remove();
}

void ArmsInterventionsPage::addIntervention() {
    m_interventions.add(
        [this](const QStringList& inputs) { return runInterventionDialog(inputs); });
}

void ArmsInterventionsPage::editIntervention() {
    m_interventions.edit(
        [this](const QStringList& inputs) { return runInterventionDialog(inputs); });
}

void ArmsInterventionsPage::removeIntervention() {
    m_interventions.remove();
}
