// Opening the protocol editor on a large multi-site record and switching
// sections (store all pages, load them all), beside filling plain tree
// widgets with the same rows and cells in the same process.
#include "BenchTiming.h"
#include "editor/ProtocolEditor.h"
#include "model/StudyRecord.h"

#include <QApplication>
#include <QTreeWidget>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 21;

struct Size {
    int locations = 2000;
    int outcomes = 300; // primary, and as many secondary
    int armGroups = 200;
    int interventions = 200;
    int conditions = 1000;

    Size scaled(double factor) const {
        const auto times = [factor](int n) { return static_cast<int>(n * factor); };
        return {times(locations), times(outcomes), times(armGroups), times(interventions),
                times(conditions)};
    }
};

std::string text(const char* prefix, int i) {
    return prefix + std::to_string(i);
}

void addLocations(StudyRecord& record, int count) {
    for (int i = 0; i < count; ++i) {
        Location& location = appendNew(record.location);
        location.facility.name = text("Hospital ", i);
        location.facility.address = {
            .city = text("City ", i), .state = "State", .country = "Country", .zip = text("Z", i)};
        location.status = "Recruiting";
        for (LocationContact* contact : {&location.contact, &location.contact_backup}) {
            *contact = {.first_name = "First",
                        .middle_name = "M",
                        .last_name = text("Last ", i),
                        .degrees = "MD",
                        .phone = "555-0100",
                        .phone_ext = "12",
                        .email = text("site", i) + "@example.org"};
        }
        for (int k = 0; k < 2; ++k) {
            Investigator& investigator = appendNew(location.investigator);
            investigator.first_name = text("Inv ", k);
            investigator.last_name = text("Site ", i);
            investigator.role = k == 0 ? "Principal Investigator" : "Sub-Investigator";
        }
    }
}

void addOutcomes(OwningList<Outcome>& outcomes, int count) {
    for (int i = 0; i < count; ++i) {
        Outcome& outcome = appendNew(outcomes);
        outcome.outcome_measure = text("Measure ", i);
        outcome.outcome_time_frame = "12 weeks";
        outcome.outcome_description.setText(text("Description line one\r\nline two ", i));
        outcome.outcome_safety_issue = "No";
    }
}

std::unique_ptr<StudyRecord> makeRecord(const Size& size) {
    auto record = std::make_unique<StudyRecord>();
    record->id_info.org_study_id = "BENCH-1";
    record->brief_title.setText("A large multi-site trial");
    record->study_design.study_type.setText("Interventional");
    addLocations(*record, size.locations);
    addOutcomes(record->primary_outcome, size.outcomes);
    addOutcomes(record->secondary_outcome, size.outcomes);
    for (int i = 0; i < size.armGroups; ++i) {
        ArmGroup& group = appendNew(record->arm_group);
        group.arm_group_label = text("Arm ", i);
        group.arm_type = "Experimental";
        group.arm_group_description.setText(text("Arm description\r\n", i));
    }
    for (int i = 0; i < size.interventions; ++i) {
        Intervention& intervention = appendNew(record->intervention);
        intervention.intervention_type = "Drug";
        intervention.intervention_name = text("Drug ", i);
        intervention.intervention_description.setText("Tablets");
        intervention.arm_group_label = {text("Arm ", i), text("Arm ", i + 1)};
        intervention.intervention_other_name = {text("Other ", i), text("Alias ", i)};
    }
    for (int i = 0; i < size.conditions; ++i) {
        record->condition.emplace_back(text("Condition ", i));
    }
    return record;
}

// The rows the editor's list views show for `size`, as plain texts.
std::vector<std::vector<QStringList>> referenceTables(const Size& size) {
    const auto table = [](int rows, int columns) {
        std::vector<QStringList> all(static_cast<std::size_t>(rows));
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                all[static_cast<std::size_t>(r)] << QStringLiteral("cell %1 %2").arg(r).arg(c);
            }
        }
        return all;
    };
    return {table(size.locations, 20), table(size.outcomes, 4),  table(size.outcomes, 4),
            table(size.armGroups, 3),  table(size.armGroups, 2), table(size.interventions, 5)};
}

void fill(QTreeWidget& tree, const std::vector<QStringList>& rows) {
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const QStringList& row : rows) {
        auto* item = new QTreeWidgetItem;
        for (int c = 0; c < row.size(); ++c) {
            item->setText(c, row[c]);
        }
        items << item;
    }
    tree.setUpdatesEnabled(false);
    tree.addTopLevelItems(items);
    tree.setUpdatesEnabled(true);
}

struct Figures {
    double open = 0;
    double switching = 0;
    double store = 0;
    double load = 0;
    double reference = 0;
    double check = 0;
};

Figures measure(const Size& size) {
    Figures figures;
    const std::unique_ptr<StudyRecord> record = makeRecord(size);
    std::unique_ptr<ProtocolEditor> editor;
    figures.open = medianSeconds(
        kRuns,
        [&] {
            editor = std::make_unique<ProtocolEditor>();
            editor->setRecord(record.get());
            editor->loadAll();
        },
        [&] { editor.reset(); });
    editor->show();
    QApplication::processEvents();
    const std::vector<std::vector<QStringList>> tables = referenceTables(size);
    QWidget host;
    std::vector<QTreeWidget*> trees;
    for (const std::vector<QStringList>& rows : tables) {
        auto* tree = new QTreeWidget(&host);
        tree->setColumnCount(rows.empty() ? 1 : static_cast<int>(rows.front().size()));
        trees.push_back(tree);
    }
    host.show();

    // The switch and the reference take turns, so a busy machine slows both
    // alike. Painting is left out of both: it depends on the window's size,
    // not on the rows.
    const char* sections[] = {"Locations", "Interventions"};
    std::vector<double> switching;
    std::vector<double> reference;
    for (int run = 0; run < kRuns; ++run) {
        QApplication::processEvents();
        switching.push_back(
            secondsOf([&] { editor->showSection(QString::fromLatin1(sections[run % 2])); }));
        for (QTreeWidget* tree : trees) {
            tree->clear();
        }
        QApplication::processEvents();
        reference.push_back(secondsOf([&] {
            for (std::size_t i = 0; i < trees.size(); ++i) {
                fill(*trees[i], tables[i]);
            }
        }));
    }
    figures.switching = median(switching);
    figures.reference = median(reference);
    figures.store = medianSeconds(kRuns, [&] { editor->storeAll(); });
    figures.load = medianSeconds(kRuns, [&] { editor->loadAll(); });
    // What leaving a field costs: the pages stored into a copy, then checked.
    figures.check = medianSeconds(kRuns, [&] { editor->refreshFindings(); });
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Size full;
    const Figures half = measure(full.scaled(0.5));
    const Figures large = measure(full);
    std::printf("half size: open %.1f ms, switch %.1f ms, reference %.1f ms\n", half.open * 1e3,
                half.switching * 1e3, half.reference * 1e3);
    std::printf("full size: open %.1f ms, switch %.1f ms (store all %.1f ms, load all %.1f ms), "
                "reference %.1f ms\n",
                large.open * 1e3, large.switching * 1e3, large.store * 1e3, large.load * 1e3,
                large.reference * 1e3);
    std::printf("findings after leaving a field: half size %.2f ms, full size %.2f ms\n",
                half.check * 1e3, large.check * 1e3);
    std::printf("linearity (switch time per row, full / half): %.2f\n",
                large.switching / half.switching / 2);
    std::printf("open_ms=%.1f switch_ms=%.1f switch/reference=%.2f\n", large.open * 1e3,
                large.switching * 1e3, large.switching / large.reference);
    return 0;
}
