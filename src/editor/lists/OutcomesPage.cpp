#include "editor/lists/OutcomesPage.h"

#include "editor/PageControls.h"
#include "editor/lists/OutcomeDialog.h"
#include "model/StudyRecord.h"
#include "platform/TextCodec.h"

#include <QTreeWidget>

namespace {

const std::string kExpandedAccess = "Expanded Access";

QStringList rowOf(const Outcome& outcome) {
    return {TextCodec::decode(outcome.outcome_measure),
            TextCodec::decode(outcome.outcome_time_frame),
            TextCodec::decodeLines(outcome.outcome_description.text()),
            TextCodec::decode(outcome.outcome_safety_issue)};
}

// A reload keeps the rows that did not change, so a section switch on a
// long list stays cheap.
void fill(ListSection& section, const OwningList<Outcome>& outcomes) {
    std::vector<QStringList> rows;
    rows.reserve(outcomes.size());
    for (const auto& outcome : outcomes) {
        rows.push_back(rowOf(*outcome));
    }
    section.replaceRows(rows);
}

void rebuild(OwningList<Outcome>& outcomes, const ListSection& section) {
    outcomes.clear();
    for (const QStringList& row : section.rows()) {
        Outcome& outcome = appendNew(outcomes);
        outcome.outcome_measure = TextCodec::encode(row.value(0));
        outcome.outcome_time_frame = TextCodec::encode(row.value(1));
        outcome.outcome_description.setText(TextCodec::encodeLines(row.value(2)));
        outcome.outcome_safety_issue = TextCodec::encode(row.value(3));
    }
}

} // namespace

DialogTemplate OutcomesPage::pageTemplate() {
    std::vector<ControlTemplate> controls = {
        {.id = IDC_PRIMARY_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Primary Outcome Measures"),
         .rect = {4, 2, 254, 160},
         .anchors = AnchorStretchRight},
        label(QStringLiteral("Primary Outcomes"), {14, 16, 200, 8}),
        marker(IDC_MARKER_PRIMARY, 16),
        {.id = IDC_PRIMARY_LIST,
         .kind = ControlKind::ListView,
         .rect = {14, 28, 216, 108},
         .anchors = AnchorStretchRight},
        PageControls::button(IDC_PRIMARY_ADD, "&Add", 14, 141, 0),
        PageControls::button(IDC_PRIMARY_EDIT, "&Edit", 68, 141, 0),
        PageControls::button(IDC_PRIMARY_REMOVE, "&Remove", 122, 141, 0),
        {.id = IDC_SECONDARY_GROUP,
         .kind = ControlKind::GroupBox,
         .text = QStringLiteral("Secondary Outcome Measures"),
         .rect = {4, 168, 254, 161},
         .anchors = AnchorGrow},
        label(QStringLiteral("Secondary Outcomes"), {14, 182, 200, 8}),
        marker(IDC_MARKER_SECONDARY, 182),
        {.id = IDC_SECONDARY_LIST,
         .kind = ControlKind::ListView,
         .rect = {14, 194, 216, 110},
         .anchors = AnchorGrow},
        PageControls::bottomButton(IDC_SECONDARY_ADD, "&Add", 14),
        PageControls::bottomButton(IDC_SECONDARY_EDIT, "&Edit", 68),
        PageControls::bottomButton(IDC_SECONDARY_REMOVE, "&Remove", 122),
    };
    return EditorPage::pageTemplate(kTemplateNumber, std::move(controls));
}

OutcomesPage::OutcomesPage(QWidget* parent) : EditorPage(parent) {
    buildPage(pageTemplate());
    connectSection(m_primary, IDC_PRIMARY_LIST, IDC_PRIMARY_ADD, IDC_PRIMARY_EDIT,
                   IDC_PRIMARY_REMOVE);
    connectSection(m_secondary, IDC_SECONDARY_LIST, IDC_SECONDARY_ADD, IDC_SECONDARY_EDIT,
                   IDC_SECONDARY_REMOVE);
}

void OutcomesPage::connectSection(ListSection& section, int listId, int addId, int editId,
                                  int removeId) {
    section.attach(control<QTreeWidget>(listId), this);
    section.setColumns({{QStringLiteral("Title"), 200},
                        {QStringLiteral("Time Frame"), 150},
                        {QStringLiteral("Description"), 200},
                        {QStringLiteral("Safety Issue"), 75}});
    ListSection* target = &section;
    connectListCommands(section.list(),
                        {addId, editId, removeId, [this, target] { addOutcome(*target); },
                         [this, target] { editOutcome(*target); },
                         [this, target] { removeOutcome(*target); }});
}

void OutcomesPage::onLoad(StudyRecord& record) {
    fill(m_primary, record.primary_outcome);
    fill(m_secondary, record.secondary_outcome);
}

void OutcomesPage::onStore(StudyRecord& record) {
    rebuild(record.primary_outcome, m_primary);
    rebuild(record.secondary_outcome, m_secondary);
    if (record.study_design.study_type.displayText() == kExpandedAccess) {
        record.primary_outcome.clear();
        record.secondary_outcome.clear();
    }
}

std::optional<QStringList> OutcomesPage::runOutcomeDialog(const QStringList& inputs) {
    OutcomeDialog dialog(this);
    dialog.setInputs(inputs.value(0), inputs.value(1), inputs.value(2), inputs.value(3));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return QStringList{dialog.title(), dialog.timeFrame(), dialog.description(),
                       dialog.safetyIssue()};
}

void OutcomesPage::addOutcome(ListSection& section) {
    section.add([this](const QStringList& inputs) { return runOutcomeDialog(inputs); });
}

void OutcomesPage::editOutcome(ListSection& section) {
    section.edit([this](const QStringList& inputs) { return runOutcomeDialog(inputs); });
}

void OutcomesPage::removeOutcome(ListSection& section) {
    section.remove();
}
