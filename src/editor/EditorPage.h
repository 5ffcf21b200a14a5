#pragma once

#include "editor/ResizableDialog.h"

#include <QHash>
#include <QSet>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class BlockText;
class FieldValue;
class HelpBrowser;
class StudyRecord;
class TextBlock;

// The base of every section page of the protocol editor: a borderless child
// of the editor's panel, 264 x 333 dialog units, white, that edits one group
// of record fields.
//
// A page is built from one template in its constructor (buildPage). Its
// controls are the working copy between load and store: load copies the
// record into the controls, store copies the controls back into the record
// that the last load gave. A page never writes a record it was not loaded
// from.
//
// Keys: Enter and Escape in any control of the page move the focus to the
// next control instead of closing the editor; boxes named with
// addEnterExempt keep Enter for a line break.
//
// Help markers (ids 1121..1188, see HelpMarkers) are placed with marker();
// their anchors are registered by this class, so templates give them none.
// A click shows the field's definition in the help window, when there is one.
//
// Writing a page:
//
//     class SummaryPage : public EditorPage {
//     public:
//         enum ControlId { IDC_GROUP = 5100, IDC_BRIEF_SUMMARY = 1055, IDC_MARKER_SUMMARY = 1146 };
//         static DialogTemplate pageTemplate(); // EditorPage::pageTemplate(503, {...})
//         explicit SummaryPage(QWidget* parent = nullptr) : EditorPage(parent) {
//             buildPage(pageTemplate());
//             addEnterExempt(IDC_BRIEF_SUMMARY);
//         }
//     protected:
//         void onLoad(StudyRecord& r) override { setText(IDC_BRIEF_SUMMARY, r.brief_summary); }
//         void onStore(StudyRecord& r) override { storeText(IDC_BRIEF_SUMMARY, r.brief_summary); }
//     };
//
// The template lists the controls in tab order with their anchors (labels
// get none); group boxes are filled white by buildPage; lists take their
// columns and commands from a ListSection.
class QAbstractItemView;

class EditorPage : public ResizableDialog {
    Q_OBJECT
public:
    static constexpr int kBaseTemplateNumber = 500;
    static constexpr int kPageWidth = 264; // dialog units
    static constexpr int kPageHeight = 333;
    static constexpr int kMarkerX = 235;
    static constexpr int kMarkerWidth = 11;
    static constexpr int kMarkerHeight = 10;

    explicit EditorPage(QWidget* parent = nullptr);
    ~EditorPage() override;

    // Remembers the record and fills the controls from it.
    void load(StudyRecord& record);
    // Writes the controls into the remembered record; nothing before a load.
    void store();
    StudyRecord* record() const { return m_record; }

    // Not owned; null means markers do nothing.
    void setHelpWindow(HelpBrowser* help) { m_help = help; }
    HelpBrowser* helpWindow() const { return m_help; }

    // Enter in this multi-line box inserts a line break.
    void addEnterExempt(int id);
    // Applies the Enter and Escape rule to a widget made after buildPage
    // (direct children of the page are covered already).
    void watchKeys(QWidget* widget);

    // A page template of the standard size.
    static DialogTemplate pageTemplate(int number, std::vector<ControlTemplate> controls);
    // A help marker level with a label whose top is at `labelY`.
    static ControlTemplate marker(int id, int labelY);
    // A one-line label; labels stay where they are when the page grows.
    static ControlTemplate label(const QString& text, DialogRect rect);

    // The marker click: navigate the help window to the field's definition,
    // show and focus it.
    void showHelp(int markerId);

protected:
    // What bindings do not cover; both run after the bindings.
    virtual void onLoad(StudyRecord& record) = 0;
    virtual void onStore(StudyRecord& record) = 0;

    // A control bound to one field of the record: load shows the field, store
    // writes it back only once the user changed what the control shows, so a
    // value the user did not touch keeps its exact text. A check box is
    // checked for "true" and stores "true" or "false".
    using TextField = std::string& (*)(StudyRecord&);
    using ValueField = FieldValue& (*)(StudyRecord&);
    using BlockField = TextBlock& (*)(StudyRecord&);
    using BlockTextField = BlockText& (*)(StudyRecord&);
    void bind(int id, TextField field);
    void bind(int id, ValueField field);
    void bind(int id, BlockField field);
    void bind(int id, BlockTextField field);
    // Whether the control shows something other than what the last load (or
    // setText) put there.
    bool touched(int id) const;
    // Takes what the control shows now as what the record holds (for
    // controls a page fills itself, not through setText).
    void remember(int id);

    // Builds the controls, then the white look, the markers and the key rule.
    void buildPage(const DialogTemplate& pageTemplate);

    // A list's Add, Edit and Remove buttons and what they run; a double click
    // in the list runs `edit` too.
    struct ListCommands {
        int addId;
        int editId;
        int removeId;
        std::function<void()> add;
        std::function<void()> edit;
        std::function<void()> remove;
    };
    void connectListCommands(QAbstractItemView* list, const ListCommands& commands);

    // Text between the model and a control by id, through TextCodec: one-line
    // edits hold the text as it is, multi-line edits show "\r\n" as line
    // breaks, drop-down lists select the entry equal to the text or show the
    // text after the entries (ComboText). Unknown ids and other kinds of
    // control are ignored (set) or read as empty (get).
    void setText(int id, std::string_view text);
    void setText(int id, const FieldValue& field);
    void setText(int id, const TextBlock& block);
    void setText(int id, const BlockText& block);
    std::string text(int id) const;
    QString displayedText(int id) const;
    void storeText(int id, std::string& target) const { target = text(id); }
    void storeText(int id, FieldValue& field) const;
    void storeText(int id, TextBlock& block) const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void makeWhite();
    void connectMarkers();
    void watchKeysRecursively(QWidget* widget);
    bool isKeyToTurn(QObject* watched, const QKeyEvent& key) const;
    void focusNextField(QWidget* current);

    void loadBindings(StudyRecord& record);
    void storeBindings(StudyRecord& record);

    struct Binding {
        int id;
        std::variant<TextField, ValueField, BlockField, BlockTextField> field;
    };

    StudyRecord* m_record = nullptr;
    HelpBrowser* m_help = nullptr;
    QSet<const QObject*> m_enterExempt;
    std::vector<Binding> m_bindings;
    // What each control showed after it was last set from the record.
    QHash<int, QString> m_shown;
};
