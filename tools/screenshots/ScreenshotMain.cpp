// Draws the program's windows into PNG files, offscreen and with stand-ins
// for the desktop, so that it neither writes the user's settings nor reaches
// the network.
//
//     protoscribe-screenshots <collection.xml> <output-folder>
//
// Run it in the folder that holds the list background (the build's src/app).

#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "controls/OutlookTabItem.h"
#include "editor/EditorNavigationBar.h"
#include "editor/ProtocolEditor.h"
#include "editor/RecordSnapshot.h"
#include "editor/SecondaryIdDialog.h"
#include "editor/lists/ArmDialog.h"
#include "editor/lists/CitationDialog.h"
#include "editor/lists/GroupDialog.h"
#include "editor/lists/InterventionDialog.h"
#include "editor/lists/LinkDialog.h"
#include "editor/lists/OfficialDialog.h"
#include "editor/lists/OutcomeDialog.h"
#include "model/StudyRecord.h"
#include "platform/ScriptedPrompts.h"
#include "platform/TestPlatform.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace {

int g_failures = 0;

void report(const QString& text) {
    QTextStream(stderr) << "protoscribe-screenshots: " << text << '\n';
}

// Lets layouts, timers and failed connections settle.
void settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

void save(QWidget* window, const QDir& folder, const QString& name) {
    const QString path = folder.absoluteFilePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path, "PNG", 9)) {
        report(QStringLiteral("could not write %1").arg(path));
        ++g_failures;
        return;
    }
    report(QStringLiteral("wrote %1").arg(path));
}

// File names: "Interventional Design" becomes "editor-interventional-design".
QString sectionFileName(const QString& label) {
    QString name = label.toLower();
    name.replace(QLatin1Char(' '), QLatin1Char('-'));
    return QStringLiteral("editor-") + name;
}

// Draws every section the record's study type offers and returns the labels
// of those it does not.
QStringList shootEditor(QWidget* parent, StudyRecord& record, const QDir& folder,
                        const QStringList& only = {}, const QString& suffix = {}) {
    QStringList skipped;
    ProtocolEditor editor(parent);
    editor.setRecord(&record);
    // Runs inside exec(), as the program shows the editor.
    QTimer::singleShot(0, &editor, [&editor, &folder, &only, &skipped, &suffix] {
        settle(200);
        EditorNavigationBar* bar = editor.navigationBar();
        for (int i = 0; i < bar->itemCount(); ++i) {
            OutlookTabItem* item = bar->itemAt(i);
            // Sections the study type does not offer have no button to click.
            if (item == nullptr || (!only.isEmpty() && !only.contains(item->label()))) {
                continue;
            }
            if (!item->isSelectable()) {
                skipped.append(item->label());
                continue;
            }
            // What a click on the button does: select it, then show its section.
            bar->selectItem(item);
            editor.showSection(item->label());
            settle(100);
            save(&editor, folder, sectionFileName(item->label()) + suffix);
        }
        // Straight out: Cancel would ask whether to save.
        editor.done(QDialog::Rejected);
    });
    editor.exec();
    return skipped;
}

// The editor on a record the rules object to: a terminated study without its
// reason, so the Status page frames the field and the bar badges the section.
// The record is put back afterwards.
void shootFindings(QWidget* parent, StudyRecord& record, const QDir& folder) {
    RecordSnapshot original;
    original.take(record);
    record.overall_status.setText("Terminated");
    record.why_stopped.setText("");
    ProtocolEditor editor(parent);
    editor.setRecord(&record);
    QTimer::singleShot(0, &editor, [&editor, &folder] {
        settle(200);
        const int status = ProtocolEditor::sectionIndex(QStringLiteral("Status"));
        editor.navigationBar()->selectItem(editor.navigationBar()->itemAt(status));
        editor.showSection(QStringLiteral("Status"));
        settle(100);
        save(&editor, folder, QStringLiteral("editor-findings"));
        editor.done(QDialog::Rejected);
    });
    editor.exec();
    original.restoreInto(record);
}

// One item dialog: made, filled, shown, drawn. Another dialog is one more line
// in dialogShots().
struct DialogShot {
    QString name;
    std::function<std::unique_ptr<QDialog>(QWidget*)> make;
};

template <typename Dialog> DialogShot plain(const char* name) {
    return {QString::fromLatin1(name),
            [](QWidget* parent) { return std::make_unique<Dialog>(parent); }};
}

template <typename Dialog, typename Fill> DialogShot filled(const char* name, Fill fill) {
    return {QString::fromLatin1(name), [fill](QWidget* parent) {
                auto dialog = std::make_unique<Dialog>(parent);
                fill(*dialog);
                return dialog;
            }};
}

std::vector<DialogShot> dialogShots() {
    return {
        filled<SecondaryIdDialog>("dialog-secondary-id",
                                  [](SecondaryIdDialog& d) {
                                      d.setItem({.id = "2025-004817-33",
                                                 .id_type = "EudraCT Number",
                                                 .id_domain = "European Union"});
                                  }),
        filled<OutcomeDialog>(
            "dialog-outcome",
            [](OutcomeDialog& d) {
                Outcome outcome;
                outcome.outcome_measure = "Change in mean seated office systolic blood pressure";
                outcome.outcome_time_frame = "Baseline and week 12";
                outcome.outcome_description.setText(
                    "Mean of three automated seated readings taken 2 minutes apart.\r\n"
                    "Measured at trough, 20 to 28 hours after the last dose.");
                outcome.outcome_safety_issue = "No";
                d.setItem(outcome);
            }),
        filled<CitationDialog>("dialog-citation",
                               [](CitationDialog& d) {
                                   d.setItem({.citation = "Tanabe A, Osei D. Ambulatory blood "
                                                          "pressure endpoints in antihypertensive "
                                                          "drug trials. Blood Press Monit Rev. "
                                                          "2024;9(2):77-85.",
                                              .pubmed_id = "",
                                              .is_results_ref = "No"});
                               }),
        plain<ArmDialog>("dialog-arm"),
        plain<GroupDialog>("dialog-group"),
        plain<InterventionDialog>("dialog-intervention"),
        plain<OfficialDialog>("dialog-official"),
        filled<LinkDialog>("dialog-link",
                           [](LinkDialog& d) {
                               d.setItem(
                                   {.url = "https://www.halverson-cmi.example/trials/zero-htn",
                                    .description = "Study information for participants"});
                           }),
    };
}

void shootDialogs(QWidget* parent, const QDir& folder) {
    for (const DialogShot& shot : dialogShots()) {
        std::unique_ptr<QDialog> dialog = shot.make(parent);
        dialog->show();
        settle(150);
        save(dialog.get(), folder, shot.name);
        dialog->done(QDialog::Rejected);
    }
}

} // namespace

// The main window and the first section under a dark desktop theme.
void shootDark(MainWindow& window, const QDir& folder) {
    QPalette dark;
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase}) {
        dark.setColor(role, QColor(45, 45, 48));
    }
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, QColor(225, 225, 225));
    }
    dark.setColor(QPalette::Highlight, QColor(38, 79, 120));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    QApplication::setPalette(dark);
    settle(200);
    save(&window, folder, QStringLiteral("main-window-dark"));
    shootEditor(&window, *window.collection().records.front(), folder, {QStringLiteral("Title")},
                QStringLiteral("-dark"));
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 3) {
        report(QStringLiteral("usage: protoscribe-screenshots <collection.xml> <output-folder>"));
        return 2;
    }
    const QString collection = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
    QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(QStringLiteral("."))) {
        report(QStringLiteral("cannot make %1").arg(folder.path()));
        return 1;
    }

    // Settings in memory, prompts that only record, a shell that opens nothing;
    // the maker's site is a port where nothing listens.
    ScriptedPrompts::setFailureHandler([](const QString& description) {
        report(QStringLiteral("unexpected prompt: %1").arg(description));
        ++g_failures;
    });
    TestPlatform platform;
    const QDir cache(QDir::temp().absoluteFilePath(QStringLiteral("protoscribe-screenshots")));
    MainWindow::setVendorSite(
        {.host = "http://127.0.0.1:1", .cacheDirectory = cache.absolutePath().toStdString()});

    MainWindow window;
    window.initialise(collection);
    if (window.splash() != nullptr) {
        window.splash()->close();
    }
    window.show();
    if (window.collection().records.empty()) {
        report(QStringLiteral("no protocol in %1").arg(collection));
        return 1;
    }
    window.selectRow(0);
    settle(500);
    save(&window, folder, QStringLiteral("main-window"));

    // The first record is the interventional sample; a section it does not
    // offer is drawn from the first other record that offers it.
    QStringList missing = shootEditor(&window, *window.collection().records.front(), folder);
    for (std::size_t i = 1; i < window.collection().records.size() && !missing.isEmpty(); ++i) {
        missing = shootEditor(&window, *window.collection().records[i], folder, missing);
    }
    for (const QString& label : missing) {
        report(QStringLiteral("no sample record offers %1").arg(label));
    }
    shootFindings(&window, *window.collection().records.front(), folder);
    shootDialogs(&window, folder);
    shootDark(window, folder);
    return g_failures == 0 ? 0 : 1;
}
