#include "editor/lists/OutcomesPage.h"

#include "editor/lists/OutcomeDialog.h"
#include "model/StudyRecord.h"

#include <QTreeView>

namespace {

OutcomesPage::Outcomes::Columns outcomeColumns() {
    using Column = ItemColumn<Outcome>;
    return {Column::of(QStringLiteral("Title"), 200, &Outcome::outcome_measure),
            Column::of(QStringLiteral("Time Frame"), 150, &Outcome::outcome_time_frame),
            Column::of(QStringLiteral("Description"), 200, &Outcome::outcome_description),
            Column::of(QStringLiteral("Safety Issue"), 75, &Outcome::outcome_safety_issue)};
}

} // namespace

DialogTemplate OutcomesPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_PRIMARY_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Primary Outcome Measures"),
         .rect = {4, 2, 254, 160},
         .anchors = AnchorStretchRight},
        ControlShape::label(QStringLiteral("Primary Outcomes")).width(200).at(14, 16),
        marker(IDC_MARKER_PRIMARY, 16, "Outcomes"),
        {.id = IDC_PRIMARY_LIST,
         .kind = ControlKind::ItemListView,
         .rect = {14, 28, 216, 108},
         .anchors = AnchorStretchRight},
        ControlShape::button(QStringLiteral("&Add")).at(14, 141, IDC_PRIMARY_ADD),
        ControlShape::button(QStringLiteral("&Edit")).at(68, 141, IDC_PRIMARY_EDIT),
        ControlShape::button(QStringLiteral("&Remove")).at(122, 141, IDC_PRIMARY_REMOVE),
        {.id = IDC_SECONDARY_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Secondary Outcome Measures"),
         .rect = {4, 168, 254, 161},
         .anchors = AnchorGrow},
        ControlShape::label(QStringLiteral("Secondary Outcomes")).width(200).at(14, 182),
        marker(IDC_MARKER_SECONDARY, 182, "Outcomes"),
        {.id = IDC_SECONDARY_LIST,
         .kind = ControlKind::ItemListView,
         .rect = {14, 194, 216, 110},
         .anchors = AnchorGrow},
        bottomButton(IDC_SECONDARY_ADD, "&Add", 14),
        bottomButton(IDC_SECONDARY_EDIT, "&Edit", 68),
        bottomButton(IDC_SECONDARY_REMOVE, "&Remove", 122),
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

OutcomesPage::OutcomesPage(QWidget* parent)
    : EditorPage(parent), m_primary(outcomeColumns()), m_secondary(outcomeColumns()) {
    buildPage(pageTemplate());
    connectList(m_primary, IDC_PRIMARY_LIST, IDC_PRIMARY_ADD, IDC_PRIMARY_EDIT, IDC_PRIMARY_REMOVE);
    connectList(m_secondary, IDC_SECONDARY_LIST, IDC_SECONDARY_ADD, IDC_SECONDARY_EDIT,
                IDC_SECONDARY_REMOVE);
}

void OutcomesPage::connectList(Outcomes& list, int listId, int addId, int editId, int removeId) {
    list.attach(control<QTreeView>(listId), this, Outcomes::dialogOf<OutcomeDialog>(this));
    Outcomes* target = &list;
    connectListCommands(list.view(),
                        {addId, editId, removeId, [this, target] { addOutcome(*target); },
                         [this, target] { editOutcome(*target); },
                         [this, target] { removeOutcome(*target); }});
}

void OutcomesPage::onLoad(StudyRecord& record) {
    m_primary.load(record.primary_outcome);
    m_secondary.load(record.secondary_outcome);
}

void OutcomesPage::onStore(StudyRecord& record) {
    m_primary.store(record.primary_outcome);
    m_secondary.store(record.secondary_outcome);
}

void OutcomesPage::addOutcome(Outcomes& list) {
    list.add();
}

void OutcomesPage::editOutcome(Outcomes& list) {
    list.edit();
}

void OutcomesPage::removeOutcome(Outcomes& list) {
    list.remove();
}
