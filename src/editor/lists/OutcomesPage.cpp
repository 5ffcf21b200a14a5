#include "editor/lists/OutcomesPage.h"

#include "editor/lists/OutcomeDialog.h"
#include "model/StudyRecord.h"

#include <QTreeView>
#include <array>

namespace {

OutcomesPage::Outcomes::Columns outcomeColumns() {
    using Column = ItemColumn<Outcome>;
    return {Column::of(QStringLiteral("Title"), 200, &Outcome::outcome_measure),
            Column::of(QStringLiteral("Time Frame"), 150, &Outcome::outcome_time_frame),
            Column::of(QStringLiteral("Description"), 200, &Outcome::outcome_description),
            Column::of(QStringLiteral("Safety Issue"), 75, &Outcome::outcome_safety_issue)};
}

// The height of each list: three groups share the page.
constexpr int kListHeight = 55;

// One group of a list: its caption with the marker, the list, and its buttons.
void addList(TemplateColumn& col, const char* title, const char* caption,
             const std::array<int, 6>& ids, unsigned listAnchors) {
    using C = ControlShape;
    const auto [group, list, add, edit, remove, marker] = ids;
    col.group(group, QString::fromLatin1(title));
    col.caption(caption, {marker, QStringLiteral("Outcomes")});
    col.control(list, C::itemList(kListHeight).anchors(listAnchors));
    EditorPage::listButtons(col, {add, edit, remove}, 5);
}

} // namespace

DialogTemplate OutcomesPage::pageTemplate() {
    TemplateColumn col = column();
    addList(col, "Primary Outcome Measures", "Primary Outcomes",
            {IDC_PRIMARY_GROUP, IDC_PRIMARY_LIST, IDC_PRIMARY_ADD, IDC_PRIMARY_EDIT,
             IDC_PRIMARY_REMOVE, IDC_MARKER_PRIMARY},
            AnchorStretchRight);
    col.endGroup(1);
    addList(col, "Secondary Outcome Measures", "Secondary Outcomes",
            {IDC_SECONDARY_GROUP, IDC_SECONDARY_LIST, IDC_SECONDARY_ADD, IDC_SECONDARY_EDIT,
             IDC_SECONDARY_REMOVE, IDC_MARKER_SECONDARY},
            AnchorStretchRight);
    col.endGroup(1);
    addList(col, "Other Pre-specified Outcome Measures", "Other Outcomes",
            {IDC_OTHER_GROUP, IDC_OTHER_LIST, IDC_OTHER_ADD, IDC_OTHER_EDIT, IDC_OTHER_REMOVE,
             IDC_MARKER_OTHER},
            AnchorGrow);
    col.closeGroup(kPageHeight - 4, AnchorGrow);
    return EditorPage::pageTemplate(kTemplateNumber, col);
}

OutcomesPage::OutcomesPage(QWidget* parent)
    : EditorPage(parent), m_primary(outcomeColumns()), m_secondary(outcomeColumns()),
      m_other(outcomeColumns()) {
    buildPage(pageTemplate());
    connectList(m_primary,
                {IDC_PRIMARY_LIST, IDC_PRIMARY_ADD, IDC_PRIMARY_EDIT, IDC_PRIMARY_REMOVE});
    connectList(m_secondary,
                {IDC_SECONDARY_LIST, IDC_SECONDARY_ADD, IDC_SECONDARY_EDIT, IDC_SECONDARY_REMOVE});
    connectList(m_other, {IDC_OTHER_LIST, IDC_OTHER_ADD, IDC_OTHER_EDIT, IDC_OTHER_REMOVE},
                QStringLiteral("Other Outcome Measure"));
}

void OutcomesPage::connectList(Outcomes& list, const ListIds& ids, const QString& itemName) {
    list.attach(control<QTreeView>(ids.list), this,
                Outcomes::dialogOf<OutcomeDialog>(this, itemName));
    Outcomes* target = &list;
    connectListCommands(list.view(),
                        {ids.add, ids.edit, ids.remove, [this, target] { addOutcome(*target); },
                         [this, target] { editOutcome(*target); },
                         [this, target] { removeOutcome(*target); }});
}

void OutcomesPage::onLoad(StudyRecord& record) {
    m_primary.load(record.primary_outcome);
    m_secondary.load(record.secondary_outcome);
    m_other.load(record.other_outcome);
}

void OutcomesPage::onStore(StudyRecord& record) {
    m_primary.store(record.primary_outcome);
    m_secondary.store(record.secondary_outcome);
    m_other.store(record.other_outcome);
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
