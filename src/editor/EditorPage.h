#pragma once

#include "model/RuleFinding.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"
#include "platform/TemplateColumn.h"

#include <QHash>
#include <QSet>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class BlockText;
class FieldValue;
class FindingFrame;
class HelpBrowser;
class StudyRecord;
class TextBlock;

// The base of every section page of the protocol editor: a plain child widget
// of the editor's panel, 264 x 333 dialog units, white, that edits one group
// of record fields. Its controls follow their anchors (an AnchorLayout) when
// the editor gives it another size.
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
// Help markers (ids 1121..1188, see HelpMarkers) carry the key of the field's
// definition in the template. A click shows the definition in the help
// window, when there is one.
//
// Writing a page:
//
//     class SummaryPage : public EditorPage {
//     public:
//         enum ControlId { IDC_GROUP = 5100, IDC_BRIEF_SUMMARY = 1055, IDC_MARKER_SUMMARY = 1146 };
//         static DialogTemplate pageTemplate(); // fields placed by EditorPage::column()
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

class EditorPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBaseTemplateNumber = 500;
    static constexpr int kPageWidth = 264; // dialog units
    static constexpr int kPageHeight = 333;
    static constexpr int kBottomMargin = 4; // below the page's group box
    static constexpr int kMarkerX = 235;
    static constexpr int kFieldLeft = 14;
    static constexpr int kFieldWidth = 216;
    static constexpr int kListLeft = 12;
    static constexpr int kListRight = 250;
    // The row of list buttons along the bottom edge, which moves down with it.
    static constexpr int kBottomButtonY = 309;

    explicit EditorPage(QWidget* parent = nullptr);
    ~EditorPage() override;

    // Remembers the record and fills the controls from it.
    void load(StudyRecord& record);
    // Writes the controls into the remembered record; nothing before a load.
    void store();
    // Writes the controls into another record, as store() would into the
    // remembered one; the editor checks such a copy while the user works.
    void storeInto(StudyRecord& record);
    StudyRecord* record() const { return m_record; }

    // The size the page was built at: the least it needs to show every control.
    QSize builtSize() const { return m_builtSize; }

    // Controls by id; controls made by code can be added to them.
    DialogControls& controls() { return m_controls; }
    const DialogControls& controls() const { return m_controls; }
    QWidget* control(int id) const { return m_controls.widget(id); }
    template <typename T> T* control(int id) const { return m_controls.get<T>(id); }

    // Not owned; null means markers do nothing.
    void setHelpWindow(HelpBrowser* help) { m_help = help; }
    HelpBrowser* helpWindow() const { return m_help; }

    // Enter in this multi-line box inserts a line break.
    void addEnterExempt(int id);
    // Applies the Enter and Escape rule to a widget made after buildPage
    // (direct children of the page are covered already).
    void watchKeys(QWidget* widget);
    // Gives the focus to the first control of the page in tab order; false
    // when none takes it (all disabled, say).
    bool focusFirstField();

    static const QStringList& yesNo();

    // A page template of the standard size, taller where its controls reach lower.
    static DialogTemplate pageTemplate(int number, std::vector<ControlTemplate> controls);
    static DialogTemplate pageTemplate(int number, const TemplateColumn& column);
    // The column of a page from `top` down: group boxes across the page, fields
    // kFieldWidth wide from kFieldLeft with their markers at the right, labels
    // `labelWidth` wide; controls that reach the right edge widen with the page.
    static TemplateColumn column(int top = 2, int labelWidth = kFieldWidth);
    // The column of a page of wide lists: from kListLeft across to kListRight,
    // fields 12 units below their group box's top.
    static TemplateColumn listColumn(int top = 2);
    // A help marker level with a label whose top is at `labelY`, for controls a
    // page places itself; `key` names the field's definition.
    static ControlTemplate marker(int id, int labelY, const char* key);
    // A list's Add, Edit and Remove buttons, `gap` below the list placed last,
    // with the markers `markerDrop` below the buttons' top.
    struct ListButtonIds {
        int add, edit, remove;
    };
    static void listButtons(TemplateColumn& col, const ListButtonIds& ids, int gap,
                            const std::vector<HelpMarker>& markers = {}, int markerDrop = 2);

    // What the rules found about one control's field, as the page shows it.
    struct ControlFinding {
        int control = 0;
        RuleSeverity severity = RuleSeverity::Warning;
        QString text;
    };
    // Frames the controls named (several findings of one control share a
    // frame, an error outweighing warnings) and clears every other frame.
    void showFindings(const std::vector<ControlFinding>& findings);
    // The frame of a control that has findings now, or null.
    FindingFrame* findingFrame(int id) const;

signals:
    // A list command (add, edit, remove) ran: the page changed without the
    // focus leaving a field.
    void edited();

public:
    // The key of a marker's definition; empty for other ids.
    QString helpKey(int markerId) const { return m_helpKeys.value(markerId); }

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

    // Enables or disables, shows or hides the controls; missing ids are skipped.
    void enableControls(std::span<const int> ids, bool enabled);
    void showControls(std::span<const int> ids, bool visible);
    void enableControls(std::initializer_list<int> ids, bool enabled) {
        enableControls(std::span<const int>(ids.begin(), ids.size()), enabled);
    }
    void showControls(std::initializer_list<int> ids, bool visible) {
        showControls(std::span<const int>(ids.begin(), ids.size()), visible);
    }

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
    void connectMarkers(const DialogTemplate& pageTemplate);
    void watchKeysRecursively(QWidget* widget);
    bool isKeyToTurn(QObject* watched, const QKeyEvent& key) const;
    void focusNextField(QWidget* current);
    std::vector<QWidget*> fields() const;

    void loadBindings(StudyRecord& record);
    void storeBindings(StudyRecord& record);

    struct Binding {
        int id;
        std::variant<TextField, ValueField, BlockField, BlockTextField> field;
    };

    DialogControls m_controls;
    QSize m_builtSize;
    StudyRecord* m_record = nullptr;
    HelpBrowser* m_help = nullptr;
    QSet<const QObject*> m_enterExempt;
    std::vector<Binding> m_bindings;
    // What each control showed after it was last set from the record.
    QHash<int, QString> m_shown;
    QHash<int, QString> m_helpKeys;
    // Made on a control's first finding, kept (hidden) after.
    QHash<int, FindingFrame*> m_frames;
};
