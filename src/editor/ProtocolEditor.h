#pragma once

#include "editor/HelpBrowser.h"
#include "editor/ResizableDialog.h"
#include "model/RuleFinding.h"

#include <QString>
#include <memory>
#include <string>
#include <vector>

class EditorNavigationBar;
class EditorPage;
struct FindingPlace;
class QPlainTextEdit;
class QScrollArea;
class StudyRecord;
class TitlePage;

// The modal dialog in which the user edits one protocol record. The record is
// borrowed: the caller owns it and keeps it alive while the dialog runs.
//
// On the left a navigation bar offers the sections; on the right the panel
// shows the page of the selected one. The panel scrolls when the window is
// smaller than a page and grows the page when the window is larger. Every section switch stores all pages
// into the record and loads them all again, so each page sees what the others
// changed. OK stores all pages. Cancel (Escape, the close box) puts the record
// back as it was when the dialog started, unless the user chooses to save.
//
// The registry's rules run on what the pages show whenever the user leaves a
// field: each field with findings gets a frame and a tooltip, each section a
// badge in the bar, and Check lists them all. Findings never stop OK.
class ProtocolEditor : public ResizableDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateNumber = 102;

    enum ControlId {
        IDC_OK = 1,
        IDC_CANCEL = 2,
        IDC_CHECK = 1008,
        IDC_FRAME = 1006,
        IDC_PANEL = 1007,
        IDC_NAVIGATION_BAR = 3001,
        IDC_FIRST_ITEM_WINDOW = 3002, // one per section, in section order
    };

    // The place of the section with `label` in editorSections(); -1 for none.
    static int sectionIndex(const QString& label);

    static DialogTemplate dialogTemplate();

    // The program installs the maker of its help window at start-up; without
    // one the editor has no help window and the markers do nothing.
    static void setHelpWindowFactory(HelpBrowserFactory factory);

    explicit ProtocolEditor(QWidget* parent = nullptr);
    ~ProtocolEditor() override;

    void setRecord(StudyRecord* record) { m_record = record; }
    StudyRecord* record() const { return m_record; }
    // Empty keeps the dialog's own title.
    void setTitle(const QString& title) { m_title = title; }

    // Runs modally; QDialog::Accepted after OK, QDialog::Rejected otherwise.
    int exec() override;

    // Stores all pages, loads them again, then shows the page of `label`
    // (none when no section has that label) with the focus on its first field,
    // or on the navigation bar when no field takes it.
    void showSection(const QString& label);
    // Chooses the next (or previous) section the navigation bar offers, as
    // Ctrl+Page Down (Ctrl+Page Up) does.
    void showNeighbourSection(bool forward);
    void loadAll();
    void storeAll();
    // Offers the design sections and the outcome measures by study type,
    // compared exactly: "Interventional" and "Observational" have their own.
    void applyStudyTypeRule(const QString& studyType);

    EditorPage* page(int section) const;
    TitlePage* titlePage() const;
    // The page shown, or null.
    EditorPage* visiblePage() const;
    // Holds the pages, inside the scroll area.
    QWidget* panel() const;
    QScrollArea* pageScroller() const { return m_scroller; }
    EditorNavigationBar* navigationBar() const { return m_bar; }
    QPlainTextEdit* itemWindow(int section) const;
    HelpBrowser* helpWindow() const { return m_help.get(); }

    // Checks what the pages show (stored into a copy of the record, the
    // record itself untouched) and marks the fields and sections.
    void refreshFindings();
    // The findings of the last refresh, in the rules' order.
    const std::vector<RuleFinding>& findings() const { return m_findings; }
    // Check: lists the findings; the one chosen is shown (goToFinding).
    void showFindingsList();
    // Shows the section of the finding and focuses its control, selecting the
    // entry of a list.
    void goToFinding(const RuleFinding& finding);

    // OK: stores all pages and closes.
    void accept() override;
    // Cancel: asks whether to save when the protocol has an ID.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeFrameBesideNavigationBar();
    void putPanelInScroller();
    void followFocus(QWidget* old, QWidget* now);
    void fitPanelToShownPage();
    void createPages();
    void createNavigationBar();
    void addSections();
    void addSectionShortcuts();
    void focusShownPage();
    void fitPagesToPanel();
    void hideAllPages();
    bool dropWhatTheStudyTypeLeftBehind();
    FindingPlace placeOf(const RuleFinding& finding) const;
    void showFindingsOf(const StudyRecord& record);
    void markFindings();
    void markSection(int section, int badge);

    StudyRecord* m_record = nullptr;
    std::string m_startStudyType;
    QString m_title;
    std::vector<EditorPage*> m_pages; // children of the panel, in section order
    EditorNavigationBar* m_bar = nullptr;
    QScrollArea* m_scroller = nullptr;
    QSize m_panelSize; // as built: the least the panel gets
    std::unique_ptr<HelpBrowser> m_help;
    std::vector<RuleFinding> m_findings;
    QMetaObject::Connection m_focusWatch;
};
