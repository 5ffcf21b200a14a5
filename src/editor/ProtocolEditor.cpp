#include "editor/ProtocolEditor.h"

#include "editor/EditorIcons.h"
#include "editor/EditorNavigationBar.h"
#include "editor/EditorSection.h"
#include "editor/FindingPlace.h"
#include "editor/FindingsDialog.h"
#include "editor/MessageCaption.h"
#include "editor/RecordSnapshot.h"
#include "editor/TitlePage.h"
#include "names/NamesAndAddresses.h"
#include "platform/AnchorLayout.h"
#include "model/RegistryRules.h"
#include "model/StudyRecord.h"
#include "model/StudyTypeFit.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

namespace {

HelpBrowserFactory& helpWindowFactory() {
    static HelpBrowserFactory factory;
    return factory;
}

// The bar's place in pixels, as left, top, right and bottom edges.
const QRect kNavigationBarRect(QPoint(5, 5), QPoint(240 - 1, 550 - 1));
// Pixels between the bar and the frame, as at the template's own font.
constexpr int kFrameGap = 9;

// The scroll position that shows the span from `start`, `length` long, in a
// view `view` long now scrolled to `value`: the whole span where it fits, its
// start where it does not (a text's first line, a field's label side).
int scrolledTo(int value, int start, int length, int view) {
    if (start + length > value + view) {
        value = start + length - view;
    }
    return std::min(value, start);
}

bool isEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

int ProtocolEditor::sectionIndex(const QString& label) {
    const std::vector<EditorSection>& sections = editorSections();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (label == QLatin1String(sections[i].label)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

DialogTemplate ProtocolEditor::dialogTemplate() {
    return {
        .number = kTemplateNumber,
        .caption =
            QStringLiteral("New %1 Protocol")
                .arg(QString::fromUtf8(names::kRegistryDisplayName.data(),
                                       static_cast<qsizetype>(names::kRegistryDisplayName.size()))),
        .width = 441,
        .height = 370,
        .controls =
            {
                {.id = IDC_OK,
                 .kind = ControlKind::DefaultPushButton,
                 .text = QStringLiteral("&OK"),
                 .rect = {381, 347, 50, 16},
                 .anchors = AnchorBottomRight},
                {.id = IDC_CHECK,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("Chec&k..."),
                 .rect = {327, 347, 50, 16},
                 .anchors = AnchorBottomRight},
                {.id = IDC_CANCEL,
                 .kind = ControlKind::PushButton,
                 .text = QStringLiteral("&Cancel"),
                 .rect = {381, 347, 50, 16},
                 .anchors = AnchorBottomRight,
                 .style = StyleHidden},
                {.id = IDC_FRAME,
                 .kind = ControlKind::GroupBox,
                 .rect = {166, 0, 268, 339},
                 .anchors = 13},
                {.id = IDC_PANEL,
                 .kind = ControlKind::StaticText,
                 .text = QStringLiteral("Panel"),
                 .rect = {167, 5, 264, 333},
                 .anchors = AnchorGrow},
            },
    };
}

void ProtocolEditor::setHelpWindowFactory(HelpBrowserFactory factory) {
    helpWindowFactory() = std::move(factory);
}

ProtocolEditor::ProtocolEditor(QWidget* parent) : ResizableDialog(kTemplateNumber, parent) {
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    buildControls(dialogTemplate());
    placeFrameBesideNavigationBar();
    putPanelInScroller();
    setWindowIcon(QApplication::windowIcon());
    createPages();
    createNavigationBar();
    addSections();
    if (helpWindowFactory()) {
        m_help = helpWindowFactory()(this);
    }
    if (m_help != nullptr) {
        m_help->hideWindow();
    }
    for (EditorPage* page : m_pages) {
        page->setHelpWindow(m_help.get());
    }
    titlePage()->setEditor(this);
    connect(control<QPushButton>(IDC_OK), &QPushButton::clicked, this, &ProtocolEditor::accept);
    connect(control<QPushButton>(IDC_CANCEL), &QPushButton::clicked, this, &ProtocolEditor::reject);
    connect(control<QPushButton>(IDC_CHECK), &QPushButton::clicked, this,
            &ProtocolEditor::showFindingsList);
    m_focusWatch =
        connect(qApp, &QApplication::focusChanged, this, &ProtocolEditor::followFocus);
    for (EditorPage* page : m_pages) {
        connect(page, &EditorPage::edited, this, &ProtocolEditor::refreshFindings);
    }
    addSectionShortcuts();
}

void ProtocolEditor::addSectionShortcuts() {
    const auto onKeys = [this](std::initializer_list<QKeyCombination> keys, bool forward) {
        for (const QKeyCombination key : keys) {
            connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                    [this, forward] { showNeighbourSection(forward); });
        }
    };
    onKeys({Qt::CTRL | Qt::Key_PageDown, Qt::CTRL | Qt::Key_Tab}, true);
    onKeys({Qt::CTRL | Qt::Key_PageUp, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab}, false);
}

void ProtocolEditor::showNeighbourSection(bool forward) {
    m_bar->chooseItem(m_bar->selectableNeighbour(m_bar->selectedItem(), forward));
}

ProtocolEditor::~ProtocolEditor() {
    // The pages go after this body; their focus changes must not reach it.
    disconnect(m_focusWatch);
    for (EditorPage* page : m_pages) {
        page->setHelpWindow(nullptr);
    }
    m_help.reset();
}

// The bar's rectangle is in pixels, the frame's in dialog units: with a font
// larger than the template's the frame would stand far off the bar, with a
// smaller one over it. The frame and the panel keep their right edges and
// start a fixed distance right of the bar.
void ProtocolEditor::placeFrameBesideNavigationBar() {
    QWidget* frame = control(IDC_FRAME);
    QWidget* host = panel();
    const int inset = host->x() - frame->x();
    QRect frameRect = frame->geometry();
    frameRect.setLeft(kNavigationBarRect.right() + 1 + kFrameGap);
    frame->setGeometry(frameRect);
    QRect panelRect = host->geometry();
    panelRect.setLeft(frameRect.left() + inset);
    host->setGeometry(panelRect);
}

// The panel keeps the place and anchors the template gave it, now as the
// scroll area's, and never gets much smaller than the pages were built: a
// smaller window scrolls the page instead of squeezing it.
void ProtocolEditor::putPanelInScroller() {
    QWidget* host = panel();
    AnchorLayout* anchors = anchorLayout();
    const unsigned flags = anchors->flags(host);
    m_scroller = new QScrollArea(this);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setFocusPolicy(Qt::NoFocus);
    m_scroller->setGeometry(host->geometry());
    m_scroller->setWidgetResizable(true);
    m_panelSize = host->size();
    // A page that scrolls down gives up the vertical bar's width rather than
    // scrolling sideways too.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroller);
    host->setMinimumSize(m_panelSize.width() - bar, m_panelSize.height());
    m_scroller->setWidget(host);
    anchors->addAnchored(m_scroller, flags);
    host->installEventFilter(this);
}

// Leaving a field of a page is when its value counts as entered. The field
// that gets the focus is scrolled into view.
void ProtocolEditor::followFocus(QWidget* old, QWidget* now) {
    if (now != nullptr && panel()->isAncestorOf(now)) {
        const QRect place(now->mapTo(panel(), QPoint(0, 0)), now->size());
        QScrollBar* across = m_scroller->horizontalScrollBar();
        QScrollBar* down = m_scroller->verticalScrollBar();
        const QSize view = m_scroller->viewport()->size();
        across->setValue(scrolledTo(across->value(), place.left(), place.width(), view.width()));
        down->setValue(scrolledTo(down->value(), place.top(), place.height(), view.height()));
    }
    if (old != nullptr && panel()->isAncestorOf(old) && isVisible()) {
        refreshFindings();
    }
}

void ProtocolEditor::createPages() {
    QWidget* host = panel();
    for (const EditorSection& section : editorSections()) {
        m_pages.push_back(section.makePage(host));
    }
    fitPagesToPanel();
    hideAllPages();
    m_pages.front()->show();
    fitPanelToShownPage();
}

// A page built taller than the panel makes the panel as tall, so that it
// scrolls to the page's last control.
void ProtocolEditor::fitPanelToShownPage() {
    const EditorPage* shown = visiblePage();
    const int least = shown != nullptr ? shown->builtSize().height() : 0;
    panel()->setMinimumHeight(std::max(m_panelSize.height(), least));
    // Now, not when the scroll area next lays itself out: the page is measured
    // and focused right after it is shown.
    panel()->resize(m_scroller->viewport()->size().expandedTo(panel()->minimumSize()));
}

void ProtocolEditor::createNavigationBar() {
    m_bar = new EditorNavigationBar(this, this);
    m_bar->setObjectName(QStringLiteral("control%1").arg(IDC_NAVIGATION_BAR));
    m_bar->setBorder(true);
    m_bar->setGeometry(kNavigationBarRect);
    controls().add(IDC_NAVIGATION_BAR, m_bar);
    addAnchor(IDC_NAVIGATION_BAR, AnchorStretchDown);
    const OutlookTabImageList large = EditorIcons::imageList(EditorIcons::kLargeSize, false);
    const OutlookTabImageList small = EditorIcons::imageList(EditorIcons::kSmallSize, false);
    const OutlookTabImageList largeDisabled = EditorIcons::imageList(EditorIcons::kLargeSize, true);
    const OutlookTabImageList smallDisabled = EditorIcons::imageList(EditorIcons::kSmallSize, true);
    m_bar->setImageLists(&large, &small, &largeDisabled, &smallDisabled);
}

void ProtocolEditor::addSections() {
    const std::vector<EditorSection>& sections = editorSections();
    for (int i = 0; i < static_cast<int>(sections.size()); ++i) {
        const EditorSection& section = sections[static_cast<std::size_t>(i)];
        auto* window = new QPlainTextEdit(m_bar);
        window->setObjectName(QStringLiteral("control%1").arg(IDC_FIRST_ITEM_WINDOW + i));
        window->setFrameShape(QFrame::NoFrame);
        window->setTabChangesFocus(true);
        // It only names the section; the keyboard belongs to the page.
        window->setReadOnly(true);
        window->setFocusPolicy(Qt::NoFocus);
        window->installEventFilter(this);
        controls().add(IDC_FIRST_ITEM_WINDOW + i, window);
        m_bar->addItem(window, QString::fromLatin1(section.label), section.icon, section.icon);
        window->setPlainText(QString::fromLatin1(section.itemText));
    }
    m_bar->setOptions(OutlookTabOptions{.showCaption = true, .showEmptyStrip = true});
    m_bar->updateLayout();
}

int ProtocolEditor::exec() {
    if (!m_title.isEmpty()) {
        setWindowTitle(m_title);
    }
    RecordSnapshot original;
    if (m_record != nullptr) {
        original.take(*m_record);
        m_startStudyType = m_record->study_design.study_type.displayText();
    }
    loadAll();
    focusShownPage();
    refreshFindings();
    const int result = ResizableDialog::exec();
    if (result != Accepted && m_record != nullptr) {
        original.restoreInto(*m_record);
    }
    return result;
}

void ProtocolEditor::loadAll() {
    if (m_record == nullptr) {
        return;
    }
    for (EditorPage* page : m_pages) {
        page->load(*m_record);
    }
}

void ProtocolEditor::storeAll() {
    for (EditorPage* page : m_pages) {
        page->store();
    }
}

void ProtocolEditor::showSection(const QString& label) {
    storeAll();
    hideAllPages();
    loadAll();
    if (EditorPage* shown = page(sectionIndex(label))) {
        shown->show();
    }
    fitPanelToShownPage();
    // Another page starts at its top left, not where the last one was scrolled.
    m_scroller->horizontalScrollBar()->setValue(0);
    m_scroller->verticalScrollBar()->setValue(0);
    // The record holds what the pages show now: no copy to store into, unless
    // a changed study type leaves parts that OK would drop.
    if (m_record != nullptr && m_record->study_design.study_type.displayText() == m_startStudyType) {
        showFindingsOf(*m_record);
    } else {
        refreshFindings();
    }
    focusShownPage();
}

void ProtocolEditor::refreshFindings() {
    if (m_record == nullptr) {
        return;
    }
    RecordSnapshot current;
    current.take(*m_record);
    StudyRecord copy;
    current.restoreInto(copy);
    for (EditorPage* page : m_pages) {
        page->storeInto(copy);
    }
    // What OK would drop for a changed study type is not held against it.
    const std::string type = copy.study_design.study_type.displayText();
    if (type != m_startStudyType) {
        StudyTypeFit::removeMisfits(copy, type);
    }
    showFindingsOf(copy);
}

void ProtocolEditor::showFindingsOf(const StudyRecord& record) {
    m_findings = RegistryRules::check(record, RuleContext::now());
    markFindings();
}

// Of the places that edit a finding's element, the first the editor offers
// now: its section in the bar, its control not hidden by the page.
FindingPlace ProtocolEditor::placeOf(const RuleFinding& finding) const {
    const std::vector<FindingPlace> places = FindingPlace::candidates(finding);
    for (const FindingPlace& place : places) {
        const EditorPage* shown = page(place.section);
        const OutlookTabItem* item = m_bar->itemAt(place.section);
        const QWidget* widget = shown != nullptr ? shown->control(place.control) : nullptr;
        if (item != nullptr && item->isVisible() &&
            (widget == nullptr || widget->isVisibleTo(shown))) {
            return place;
        }
    }
    return places.empty() ? FindingPlace{} : places.front();
}

void ProtocolEditor::markFindings() {
    std::vector<std::vector<EditorPage::ControlFinding>> perPage(m_pages.size());
    std::vector<int> badges(m_pages.size(), EditorIcons::NoBadge);
    for (const RuleFinding& finding : m_findings) {
        const FindingPlace place = placeOf(finding);
        if (page(place.section) == nullptr) {
            continue;
        }
        const auto section = static_cast<std::size_t>(place.section);
        perPage[section].push_back(
            {place.control, finding.severity, FindingPlace::describe(finding, place)});
        const int badge = finding.severity == RuleSeverity::Error ? EditorIcons::ErrorBadge
                                                                 : EditorIcons::WarningBadge;
        if (badges[section] == EditorIcons::NoBadge || badge == EditorIcons::ErrorBadge) {
            badges[section] = badge;
        }
    }
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        m_pages[i]->showFindings(perPage[i]);
        markSection(static_cast<int>(i), badges[i]);
    }
}

void ProtocolEditor::markSection(int section, int badge) {
    const auto picture = editorSections()[static_cast<std::size_t>(section)].icon;
    const int image = EditorIcons::imageIndex(picture, static_cast<EditorIcons::Badge>(badge));
    m_bar->setItemImages(m_bar->itemAt(section), image, image);
}

void ProtocolEditor::showFindingsList() {
    refreshFindings();
    std::vector<FindingsDialog::Row> rows;
    for (const RuleFinding& finding : m_findings) {
        const FindingPlace place = placeOf(finding);
        const EditorSection* section =
            page(place.section) != nullptr ? &editorSections()[static_cast<std::size_t>(place.section)]
                                           : nullptr;
        rows.push_back({finding.severity, FindingPlace::describe(finding, place),
                        section != nullptr ? QString::fromLatin1(section->label) : QString()});
    }
    FindingsDialog dialog(rows, this);
    if (dialog.exec() == QDialog::Accepted && dialog.chosen() >= 0) {
        // The list is a copy: going to a section checks again.
        const RuleFinding chosen = m_findings[static_cast<std::size_t>(dialog.chosen())];
        goToFinding(chosen);
    }
}

void ProtocolEditor::goToFinding(const RuleFinding& finding) {
    const FindingPlace place = placeOf(finding);
    EditorPage* target = page(place.section);
    if (target == nullptr) {
        return;
    }
    m_bar->selectItem(m_bar->itemAt(place.section));
    showSection(QString::fromLatin1(editorSections()[static_cast<std::size_t>(place.section)].label));
    QWidget* widget = target->control(place.control);
    if (widget == nullptr) {
        return;
    }
    auto* list = qobject_cast<QAbstractItemView*>(widget);
    if (list != nullptr && finding.item > 0 && list->model() != nullptr) {
        list->setCurrentIndex(list->model()->index(static_cast<int>(finding.item) - 1, 0));
    }
    widget->setFocus(Qt::OtherFocusReason);
}

// A page whose fields are all disabled leaves the keyboard on the bar, where
// the arrows still lead somewhere.
void ProtocolEditor::focusShownPage() {
    EditorPage* shown = visiblePage();
    if (shown == nullptr || !shown->focusFirstField()) {
        m_bar->setFocus(Qt::OtherFocusReason);
    }
}

void ProtocolEditor::applyStudyTypeRule(const QString& studyType) {
    const std::vector<EditorSection>& sections = editorSections();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].offered != EditorSection::Always) {
            m_bar->setItemVisible(m_bar->itemAt(static_cast<int>(i)),
                                  sections[i].offeredFor(studyType));
        }
    }
    m_bar->updateLayout();
}

EditorPage* ProtocolEditor::page(int section) const {
    if (section < 0 || section >= static_cast<int>(m_pages.size())) {
        return nullptr;
    }
    return m_pages[static_cast<std::size_t>(section)];
}

TitlePage* ProtocolEditor::titlePage() const {
    for (EditorPage* candidate : m_pages) {
        if (auto* title = qobject_cast<TitlePage*>(candidate)) {
            return title;
        }
    }
    return nullptr;
}

EditorPage* ProtocolEditor::visiblePage() const {
    for (EditorPage* page : m_pages) {
        if (!page->isHidden()) {
            return page;
        }
    }
    return nullptr;
}

QWidget* ProtocolEditor::panel() const {
    return control(IDC_PANEL);
}

QPlainTextEdit* ProtocolEditor::itemWindow(int section) const {
    return control<QPlainTextEdit>(IDC_FIRST_ITEM_WINDOW + section);
}

void ProtocolEditor::accept() {
    storeAll();
    if (!dropWhatTheStudyTypeLeftBehind()) {
        loadAll();
        return;
    }
    ResizableDialog::accept();
}

// While the editor runs, a change of study type hides what belongs to the old
// type but keeps it, so that changing back restores it. Only OK drops it, once
// the user agreed; No goes back to the editor.
bool ProtocolEditor::dropWhatTheStudyTypeLeftBehind() {
    if (m_record == nullptr) {
        return true;
    }
    const std::string type = m_record->study_design.study_type.displayText();
    if (type == m_startStudyType) {
        return true;
    }
    const std::vector<std::string> parts = StudyTypeFit::misfits(*m_record, type);
    if (!parts.empty()) {
        QStringList names;
        for (const std::string& part : parts) {
            names << QString::fromStdString(part);
        }
        const QString question =
            QStringLiteral("Changing the study type to %1 removes: %2. Continue?")
                .arg(TextCodec::decode(type), names.join(QStringLiteral(", ")));
        if (!Platform::prompts().askYesNo(this, messageCaption(), question)) {
            return false;
        }
    }
    StudyTypeFit::removeMisfits(*m_record, type);
    return true;
}

void ProtocolEditor::reject() {
    const QString id = titlePage()->uniqueProtocolId();
    if (!id.isEmpty()) {
        switch (Platform::prompts().askYesNoCancel(
            this, messageCaption(),
            QStringLiteral("Do you want to save changes to ") + id + QLatin1Char('?'))) {
        case MessageAnswer::Yes:
            accept();
            return;
        case MessageAnswer::No:
            break;
        default:
            return; // back to the editor
        }
    }
    ResizableDialog::reject();
}

void ProtocolEditor::fitPagesToPanel() {
    const QRect area(QPoint(0, 0), panel()->size());
    for (EditorPage* page : m_pages) {
        if (page != nullptr) {
            page->setGeometry(area);
        }
    }
}

void ProtocolEditor::hideAllPages() {
    for (EditorPage* page : m_pages) {
        page->hide();
    }
}

bool ProtocolEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel() && event->type() == QEvent::Resize) {
        fitPagesToPanel();
    }
    // The item windows are the editor's own controls: Enter there means OK.
    if (event->type() == QEvent::KeyPress && isEnter(*static_cast<QKeyEvent*>(event)) &&
        qobject_cast<QPlainTextEdit*>(watched) != nullptr) {
        accept();
        return true;
    }
    return ResizableDialog::eventFilter(watched, event);
}
