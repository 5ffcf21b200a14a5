#include "editor/EditorPage.h"

#include "controls/CXPGroupBox.h"
#include "editor/ComboText.h"
#include "editor/EditorIcons.h"
#include "editor/FindingFrame.h"
#include "editor/HelpBrowser.h"
#include "editor/HelpMarkers.h"
#include "editor/StyledBuilder.h"
#include "model/BlockText.h"
#include "model/FieldValue.h"
#include "names/NamesAndAddresses.h"
#include "model/TextBlock.h"
#include "platform/ClickableLabel.h"
#include "platform/DialogBuilder.h"
#include "platform/DialogUnits.h"
#include "platform/TextCodec.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QChildEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace {

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

EditorPage::EditorPage(QWidget* parent) : QWidget(parent) {}

EditorPage::~EditorPage() = default;

void EditorPage::load(StudyRecord& record) {
    m_record = &record;
    loadBindings(record);
    onLoad(record);
}

void EditorPage::store() {
    if (m_record != nullptr) {
        storeInto(*m_record);
    }
}

void EditorPage::storeInto(StudyRecord& record) {
    storeBindings(record);
    onStore(record);
}

void EditorPage::showFindings(const std::vector<ControlFinding>& findings) {
    QHash<int, ControlFinding> merged;
    for (const ControlFinding& finding : findings) {
        if (control(finding.control) == nullptr) {
            continue;
        }
        auto at = merged.find(finding.control);
        if (at == merged.end()) {
            merged.insert(finding.control, finding);
            continue;
        }
        at->text += QLatin1Char('\n') + finding.text;
        if (finding.severity == RuleSeverity::Error) {
            at->severity = RuleSeverity::Error;
        }
    }
    for (FindingFrame* frame : std::as_const(m_frames)) {
        frame->clear();
    }
    for (const ControlFinding& finding : std::as_const(merged)) {
        FindingFrame*& frame = m_frames[finding.control];
        if (frame == nullptr) {
            frame = new FindingFrame(control(finding.control));
        }
        frame->mark(finding.severity, finding.text);
    }
}

FindingFrame* EditorPage::findingFrame(int id) const {
    FindingFrame* frame = m_frames.value(id);
    return frame != nullptr && frame->isMarked() ? frame : nullptr;
}

void EditorPage::bind(int id, TextField field) {
    m_bindings.push_back({id, field});
}

void EditorPage::bind(int id, ValueField field) {
    m_bindings.push_back({id, field});
}

void EditorPage::bind(int id, BlockField field) {
    m_bindings.push_back({id, field});
}

void EditorPage::bind(int id, BlockTextField field) {
    m_bindings.push_back({id, field});
}

// A control reacts to the user's choices, not to what a load shows.
void EditorPage::loadBindings(StudyRecord& record) {
    for (const Binding& binding : m_bindings) {
        const QSignalBlocker quiet(control(binding.id));
        std::visit([&](auto field) { setText(binding.id, field(record)); }, binding.field);
    }
}

void EditorPage::storeBindings(StudyRecord& record) {
    for (const Binding& binding : m_bindings) {
        if (!touched(binding.id)) {
            continue;
        }
        std::visit(
            [&](auto field) {
                auto& target = field(record);
                if constexpr (std::is_same_v<std::decay_t<decltype(target)>, BlockText>)
                    target.setText(text(binding.id));
                else
                    storeText(binding.id, target);
            },
            binding.field);
    }
}

bool EditorPage::touched(int id) const {
    const auto shown = m_shown.constFind(id);
    return shown == m_shown.constEnd() || *shown != displayedText(id);
}

void EditorPage::remember(int id) {
    m_shown.insert(id, displayedText(id));
}

// A page whose controls reach past the standard height is built taller, with
// the standard margin below them; the editor scrolls it.
DialogTemplate EditorPage::pageTemplate(int number, std::vector<ControlTemplate> controls) {
    int height = kPageHeight;
    for (const ControlTemplate& control : controls) {
        height = std::max(height, control.rect.y + control.rect.height + kBottomMargin);
    }
    return {.number = number, .width = kPageWidth, .height = height, .controls = std::move(controls)};
}

const QStringList& EditorPage::yesNo() {
    static const QStringList entries = {QStringLiteral("Yes"), QStringLiteral("No")};
    return entries;
}

DialogTemplate EditorPage::pageTemplate(int number, const TemplateColumn& column) {
    return pageTemplate(number, column.controls());
}

TemplateColumn EditorPage::column(int top, int labelWidth) {
    return TemplateColumn({.left = kFieldLeft,
                           .width = kFieldWidth,
                           .labelWidth = labelWidth,
                           .markerX = kMarkerX,
                           .groupLeft = 4,
                           .groupWidth = kPageWidth - 10,
                           .stretch = true},
                          top);
}

TemplateColumn EditorPage::listColumn(int top) {
    return TemplateColumn({.left = kListLeft,
                           .width = kListRight - kListLeft,
                           .labelWidth = kListRight - kListLeft,
                           .markerX = kMarkerX,
                           .groupLeft = 4,
                           .groupWidth = kPageWidth - 10,
                           .groupInset = 12,
                           .stretch = true},
                          top);
}

void EditorPage::listButtons(TemplateColumn& col, const ListButtonIds& ids, int gap,
                             const std::vector<HelpMarker>& markers, int markerDrop) {
    col.buttons({{ids.add, ControlShape::button(QStringLiteral("&Add"))},
                 {ids.edit, ControlShape::button(QStringLiteral("&Edit"))},
                 {ids.remove, ControlShape::button(QStringLiteral("&Remove"))}},
                gap, markers, markerDrop);
}

ControlTemplate EditorPage::marker(int id, int labelY, const char* key) {
    ControlTemplate marker =
        ControlShape::helpMarker(QString::fromLatin1(key)).at(kMarkerX, labelY - 1, id);
    marker.anchors = HelpMarkers::anchorFlags(id);
    return marker;
}

void EditorPage::buildPage(const DialogTemplate& pageTemplate) {
    m_controls =
        StyledBuilder::get().buildAnchored(this, pageTemplate, DialogUnits::fromFont(font()));
    m_builtSize = size();
    makeWhite();
    connectMarkers(pageTemplate);
    watchKeysRecursively(this);
}

void EditorPage::enableControls(std::span<const int> ids, bool enabled) {
    for (int id : ids) {
        if (QWidget* widget = control(id)) {
            widget->setEnabled(enabled);
        }
    }
}

void EditorPage::showControls(std::span<const int> ids, bool visible) {
    for (int id : ids) {
        if (QWidget* widget = control(id)) {
            widget->setVisible(visible);
        }
    }
}

void EditorPage::connectListCommands(QAbstractItemView* list, const ListCommands& commands) {
    const auto ran = [this](const std::function<void()>& command) {
        return [this, command] {
            command();
            emit edited();
        };
    };
    const auto onClick = [this, &ran](int id, const std::function<void()>& command) {
        connect(control<QPushButton>(id), &QPushButton::clicked, this, ran(command));
    };
    onClick(commands.addId, commands.add);
    onClick(commands.editId, commands.edit);
    onClick(commands.removeId, commands.remove);
    connect(list, &QAbstractItemView::doubleClicked, this, ran(commands.edit));
}

// The page's own white needs its own dark text: a dark desktop theme's light
// text would vanish on it.
void EditorPage::makeWhite() {
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);
    for (CXPGroupBox* box : findChildren<CXPGroupBox*>()) {
        box->setFillColour(Qt::white);
        box->setTextColour(Qt::black);
    }
}

void EditorPage::connectMarkers(const DialogTemplate& pageTemplate) {
    for (const ControlTemplate& entry : pageTemplate.controls) {
        auto* marker = control<ClickableLabel>(entry.id);
        if (entry.helpKey.isEmpty() || marker == nullptr) {
            continue;
        }
        m_helpKeys.insert(entry.id, entry.helpKey);
        marker->setAlignment(Qt::AlignCenter);
        marker->setPixmap(EditorIcons::helpMarker(QSize(marker->height(), marker->height())));
        connect(marker, &ClickableLabel::clicked, this, [this, id = entry.id] { showHelp(id); });
    }
}

void EditorPage::showHelp(int markerId) {
    const QString key = helpKey(markerId);
    if (m_help == nullptr || key.isEmpty()) {
        return;
    }
    const std::string_view page = names::kDefinitionsPage;
    m_help->navigateTo(QString::fromUtf8(page.data(), static_cast<qsizetype>(page.size())) +
                       QLatin1Char('#') + key);
    m_help->showAndFocus();
}

void EditorPage::addEnterExempt(int id) {
    if (QWidget* box = control(id)) {
        m_enterExempt.insert(box);
    }
}

void EditorPage::watchKeys(QWidget* widget) {
    if (widget != nullptr && widget != this) {
        widget->installEventFilter(this);
    }
}

void EditorPage::watchKeysRecursively(QWidget* widget) {
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        watchKeys(child);
    }
}

bool EditorPage::isKeyToTurn(QObject* watched, const QKeyEvent& key) const {
    // Dialogs the page opens are its children too; their keys are their own.
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget == nullptr || widget->window() != window()) {
        return false;
    }
    if (key.key() == Qt::Key_Escape) {
        return true;
    }
    return isEnter(key.key()) && !m_enterExempt.contains(watched);
}

bool EditorPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        isKeyToTurn(watched, *static_cast<QKeyEvent*>(event))) {
        focusNextField(static_cast<QWidget*>(watched));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The controls of this page that Tab reaches, in tab order.
std::vector<QWidget*> EditorPage::fields() const {
    std::vector<QWidget*> fields;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) != 0 && w->focusProxy() == nullptr) {
            fields.push_back(w);
        }
    }
    return fields;
}

bool EditorPage::focusFirstField() {
    const std::vector<QWidget*> all = fields();
    if (all.empty()) {
        return false;
    }
    all.front()->setFocus(Qt::TabFocusReason);
    return true;
}

// The next control of this page in tab order; after the last, the first. The
// focus never leaves the page this way, so neither key reaches OK or Cancel.
void EditorPage::focusNextField(QWidget* current) {
    const std::vector<QWidget*> all = fields();
    if (all.empty()) {
        return;
    }
    QWidget* owner = current;
    while (owner != nullptr && std::find(all.begin(), all.end(), owner) == all.end()) {
        owner = owner->parentWidget(); // a part of a control: its viewport, say
    }
    const auto at = std::find(all.begin(), all.end(), owner);
    const auto next = at == all.end() || at + 1 == all.end() ? all.begin() : at + 1;
    (*next)->setFocus(Qt::TabFocusReason);
}

bool EditorPage::event(QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) {
            watchKeys(child);
        }
    }
    return QWidget::event(event);
}

void EditorPage::keyPressEvent(QKeyEvent* event) {
    // A key that reaches the page itself must not go on to the editor, where
    // Enter would be OK and Escape Cancel.
    if (event->key() == Qt::Key_Escape || isEnter(event->key())) {
        focusNextField(focusWidget());
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void EditorPage::setText(int id, std::string_view text) {
    QWidget* widget = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // A new text shows from its start, not scrolled to its end; an
        // unchanged one keeps where the user left the cursor.
        const QString shown = TextCodec::decode(text);
        if (edit->text() != shown) {
            edit->setText(shown);
            edit->setCursorPosition(0);
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        // A section switch reloads every page: an unchanged text keeps its
        // document, cursor and undo history instead of being laid out again.
        const QString shown = TextCodec::decodeLines(text);
        if (box->toPlainText() != shown) {
            box->setPlainText(shown);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        ComboText::selectModelText(*combo, text);
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setChecked(text == "true");
    }
    remember(id);
}

void EditorPage::setText(int id, const FieldValue& field) {
    setText(id, std::string_view(field.displayText()));
}

void EditorPage::setText(int id, const TextBlock& block) {
    setText(id, std::string_view(block.text()));
}

void EditorPage::setText(int id, const BlockText& block) {
    setText(id, std::string_view(block.text()));
}

QString EditorPage::displayedText(int id) const {
    QWidget* widget = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        return box->toPlainText();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return ComboText::current(*combo);
    }
    if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        return check->isChecked() ? QStringLiteral("true") : QStringLiteral("false");
    }
    return {};
}

std::string EditorPage::text(int id) const {
    if (qobject_cast<QPlainTextEdit*>(control(id)) != nullptr) {
        return TextCodec::encodeLines(displayedText(id));
    }
    return TextCodec::encode(displayedText(id));
}

void EditorPage::storeText(int id, FieldValue& field) const {
    field.setText(text(id));
}

void EditorPage::storeText(int id, TextBlock& block) const {
    block.setText(text(id));
}
