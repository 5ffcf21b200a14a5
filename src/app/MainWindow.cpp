#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/CheckWindow.h"
#include "app/Artwork.h"
#include "app/ListBackground.h"
#include "app/RecentFiles.h"
#include "app/SplashWindow.h"
#include "controls/CHyperLink.h"
#include "editor/ProtocolEditor.h"
#include "model/CollectionFile.h"
#include "names/NamesAndAddresses.h"
#include "model/ProtocolListCells.h"
#include "model/RegistryRules.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/TextCodec.h"
#include "validation/SchemaValidator.h"
#include "validation/ValidationReport.h"
#include "vendor/WebAddress.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <array>
#include <sstream>

const QString MainWindow::kPathSetting = QStringLiteral("m_XMLPath");
const QString MainWindow::kValidationCaption = QStringLiteral("schemaCache");

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kCaption = fromView(names::kProductName);
const QString kLoadErrorCaption = QStringLiteral("Protoscribe XML Edit");
const QString kSaveQuestion = QStringLiteral("Do you want to save changes?");
// The version the upgrade check compares against, as the program holds it.
constexpr float kRunningVersion = 1.1f;

QString registryName() {
    return fromView(names::kRegistryDisplayName);
}

QString productLine() {
    return kCaption + QStringLiteral(" v") + fromView(names::kProductVersion) +
           QStringLiteral("\nby ") + fromView(names::kMakerName);
}

// Paths reach the model as the file system's bytes.
std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

constexpr std::array<int, 4> kColumnWidths = {200, 200, 100, 200};

DialogTemplate mainTemplate() {
    using M = MainWindow;
    const auto button = [](int id, const char* text, DialogRect rect, unsigned anchors,
                           unsigned style = 0) {
        return ControlTemplate{.id = id,
                               .kind = ControlKind::PushButton,
                               .text = QString::fromLatin1(text),
                               .rect = rect,
                               .anchors = anchors,
                               .style = style};
    };
    ControlTemplate open = button(M::kOpenId, "&Open", {8, 238, 50, 14}, AnchorMoveDown);
    open.kind = ControlKind::DefaultPushButton;
    return {
        .number = M::kTemplateNumber,
        .caption = kCaption,
        .width = 420,
        .height = 260,
        .controls =
            {
                open,
                button(M::kSaveId, "&Save", {62, 238, 50, 14}, AnchorMoveDown),
                button(M::kUploadId, "&Upload", {116, 238, 50, 14}, AnchorMoveDown),
                button(M::kPrsAccountId, "&PRS Account", {170, 238, 60, 14}, AnchorMoveDown),
                button(M::kHelpId, "&Help", {308, 238, 50, 14}, AnchorBottomRight),
                button(M::kQuitId, "&Quit", {362, 238, 50, 14}, AnchorBottomRight),
                button(M::kValidateId, "&Validate", {234, 238, 50, 14}, AnchorMoveDown,
                       StyleHidden),
                {.id = M::kListId,
                 .kind = ControlKind::ListView,
                 .rect = {16, 58, 388, 146},
                 .anchors = AnchorGrow},
                button(M::kNewId, "&New", {16, 210, 50, 14}, AnchorMoveDown),
                button(M::kEditId, "&Edit", {70, 210, 50, 14}, AnchorMoveDown),
                button(M::kRemoveId, "&Remove", {124, 210, 50, 14}, AnchorMoveDown),
                // Shown once the upgrade check is set up at start-up.
                button(M::kCheckId, "&Check", {178, 210, 50, 14}, AnchorMoveDown),
                button(M::kUpgradeId, "&Upgrade", {232, 210, 50, 14}, AnchorMoveDown, StyleHidden),
                {.id = M::kGroupBoxId,
                 .kind = ControlKind::GroupBox,
                 .text = registryName() + QStringLiteral(" Protocols"),
                 .rect = {8, 46, 404, 184},
                 .anchors = AnchorGrow},
                {.id = M::kIntroId,
                 .kind = ControlKind::StaticText,
                 .text = QStringLiteral("Add your clinical trial protocols below. Click the Open "
                                        "button to load an existing ") +
                         registryName() + QStringLiteral(" XML file."),
                 .rect = {8, 32, 404, 10},
                 .anchors = AnchorStretchRight},
                {.id = M::kIconId, .kind = ControlKind::Picture, .rect = {8, 6, 20, 20}},
                {.id = M::kProductLineId,
                 .kind = ControlKind::StaticText,
                 .text = productLine(),
                 .rect = {34, 8, 150, 18},
                 .style = StyleNoWrap},
                {.id = M::kMessageLineId,
                 .kind = ControlKind::HyperLink,
                 .rect = {232, 8, 180, 10},
                 .anchors = AnchorMoveRight,
                 .style = StyleRightAligned},
            },
    };
}

MainWindow::VendorSite& vendorSiteSetting() {
    static MainWindow::VendorSite site;
    return site;
}

// HELP.TXT's lines run to 78 columns of fixed-pitch text; the help window's
// own width would wrap them.
void fitHelpText(HelpWindow& window) {
    const QFontMetrics fixed(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const int width = fixed.horizontalAdvance(QString(84, u'M')) +
                      window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    window.resize(std::max(window.width(), width), window.height());
}

std::optional<ProgramFiles>& programFilesSetting() {
    static std::optional<ProgramFiles> files;
    return files;
}

} // namespace

void MainWindow::setVendorSite(VendorSite site) {
    vendorSiteSetting() = std::move(site);
}

void MainWindow::setProgramFiles(std::optional<ProgramFiles> files) {
    programFilesSetting() = std::move(files);
}

ProgramFiles MainWindow::programFiles() {
    return programFilesSetting().value_or(ProgramFiles::ofThisProgram());
}

const MainWindow::VendorSite& MainWindow::vendorSite() {
    return vendorSiteSetting();
}

MainWindow::MainWindow(QWidget* parent)
    : ResizableDialog(kTemplateNumber, parent,
                      Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_protocolIcon(QPixmap::fromImage(Artwork::protocolIcon())),
      m_editorRunner([this](QWidget* parent, StudyRecord& record, const QString& title) {
          return runProtocolEditor(parent, record, title, m_editorStart);
      }), m_programFiles(programFiles()),
      m_helpViewFactory(HelpWindow::webEngineView()), m_upgrade(this),
      m_messageLine(vendorSite().host, CacheDownload(vendorSite().cacheDirectory)) {
    buildControls(mainTemplate());
    // Every window of the program, the editor and its dialogs included, shows it.
    QApplication::setWindowIcon(Artwork::programIconSet());
    setWindowIcon(Artwork::programIconSet());
    setAcceptDrops(true);
    if (auto* icon = control<QLabel>(kIconId)) {
        icon->setPixmap(
            QPixmap::fromImage(Artwork::programIcon(std::min(icon->width(), icon->height()))));
    }
    m_upgrade.setParameters(kCaption, kRunningVersion,
                            UpgradeCheck::pageAddressFor(vendorSite().host));
    setMessageLine(fromView(names::kMakerName), fromView(names::kMakerHomePage));
    m_list = control<QTreeWidget>(kListId);
    setUpList();
    setUpContextMenu();
    connectCommands();
    addShortcuts();
    updateTitle();
    // The protocols are what the keyboard works on first.
    m_list->setFocus();
}

MainWindow::~MainWindow() {
    // A message still on its way is dropped rather than shown in a closing window.
    m_messageLine.stop();
}

void MainWindow::connectCommands() {
    const auto connectButton = [this](int id, auto slot) {
        if (auto* button = control<QPushButton>(id)) {
            connect(button, &QPushButton::clicked, this, slot);
        }
    };
    connectButton(kOpenId, &MainWindow::open);
    connectButton(kSaveId, &MainWindow::save);
    connectButton(kUploadId, &MainWindow::upload);
    connectButton(kPrsAccountId, &MainWindow::prsAccount);
    connectButton(kHelpId, &MainWindow::help);
    connectButton(kQuitId, &MainWindow::quit);
    connectButton(kNewId, &MainWindow::newProtocol);
    connectButton(kEditId, &MainWindow::editProtocol);
    connectButton(kRemoveId, &MainWindow::removeProtocol);
    connectButton(kUpgradeId, &MainWindow::upgrade);
    connectButton(kValidateId, &MainWindow::validate);
    connectButton(kCheckId, &MainWindow::check);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &MainWindow::editProtocol);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &MainWindow::sortByColumn);
    m_list->installEventFilter(this);
}

void MainWindow::addShortcuts() {
    const auto add = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::newProtocol);
    add(QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::open);
    add(QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::save);
    add(QKeySequence(Qt::Key_F1), &MainWindow::help);
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::quit);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            editProtocol();
            return true;
        }
        if (plain && key->key() == Qt::Key_Delete) {
            removeProtocol();
            return true;
        }
    }
    return ResizableDialog::eventFilter(watched, event);
}

// The first click on a column sorts it ascending, the next one flips the order.
void MainWindow::sortByColumn(int column) {
    m_sortOrder = column == m_sortColumn && m_sortOrder == Qt::AscendingOrder
                      ? Qt::DescendingOrder
                      : Qt::AscendingOrder;
    m_sortColumn = column;
    m_list->header()->setSortIndicatorShown(true);
    m_list->header()->setSortIndicator(column, m_sortOrder);
    m_list->sortItems(column, m_sortOrder);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return;
    }
    event->acceptProposedAction();
    openChosen(urls.front().toLocalFile());
}

void MainWindow::openChosen(const QString& path) {
    if (settleUnsavedChanges()) {
        openPath(path);
    }
}

void MainWindow::setUpList() {
    QStringList headers;
    for (std::string_view header : ProtocolListCells::kHeaders) {
        headers.append(fromView(header));
    }
    m_list->setHeaderLabels(headers);
    for (std::size_t column = 0; column < kColumnWidths.size(); ++column) {
        m_list->setColumnWidth(static_cast<int>(column), kColumnWidths[column]);
    }
    m_list->setIconSize(QSize(16, 16));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSortingEnabled(false);
    // A picture in the working directory is the last resort.
    const ProgramFiles places(m_programFiles.folders() + QStringList(QDir::currentPath()));
    const std::optional<QString> picture = places.find(ProgramFiles::kBackgroundFile);
    const QPixmap background =
        picture.has_value() ? ListBackground::load(QUrl::fromLocalFile(*picture)) : QPixmap();
    new ListBackground(m_list, background, kBackgroundXPercent, kBackgroundYPercent);
}

void MainWindow::setUpContextMenu() {
    // Linux window managers give a program no system menu of its own.
    auto* about = new QAction(QStringLiteral("&About %1...").arg(kCaption), this);
    connect(about, &QAction::triggered, this, &MainWindow::about);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    m_recentSeparator = new QAction(this);
    m_recentSeparator->setSeparator(true);
    addAction(m_recentSeparator);
    fillRecentFiles();
}

void MainWindow::fillRecentFiles() {
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    const QStringList paths = RecentFiles(Platform::settings()).paths();
    m_recentSeparator->setVisible(!paths.isEmpty());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), this);
        connect(action, &QAction::triggered, this, [this, path] { openChosen(path); });
        addAction(action);
        m_recentActions.append(action);
    }
}

void MainWindow::rememberFile(const QString& path) {
    Platform::settings().writeText(kPathSetting, path);
    RecentFiles(Platform::settings()).add(path);
    fillRecentFiles();
}

void MainWindow::setModified(bool modified) {
    m_modified = modified;
    updateTitle();
}

// "sample.xml* – Protoscribe": the file's name, a mark for unsaved changes.
void MainWindow::updateTitle() {
    QString name = QFileInfo(currentPath()).fileName();
    if (name.isEmpty() && m_modified) {
        name = QStringLiteral("Untitled");
    }
    if (m_modified) {
        name += u'*';
    }
    setWindowTitle(name.isEmpty() ? kCaption : name + QStringLiteral(" \u2013 ") + kCaption);
}

QString MainWindow::startPath() const {
    const QString current = currentPath();
    if (!current.isEmpty()) {
        return current;
    }
    // A folder is given with a trailing slash: no file name is proposed in it.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const bool usable = !documents.isEmpty() && QDir(documents).exists();
    return (usable ? documents : QDir::homePath()) + u'/';
}

void MainWindow::initialise(const std::optional<QString>& file) {
    m_splash = std::make_unique<SplashWindow>();
    m_splash->showFor(SplashWindow::kShowTime);
    QCoreApplication::processEvents();
    if (m_upgrade.isCheckDue()) {
        upgrade();
    }
    startVendorServices();
    if (file.has_value()) {
        openPath(QDir::current().absoluteFilePath(*file));
    } else {
        restoreLastFile();
    }
}

void MainWindow::startVendorServices() {
    if (auto* button = control<QPushButton>(kUpgradeId)) {
        button->setVisible(true);
        button->setEnabled(true);
    }
    if (CHyperLink* link = messageLink()) {
        link->setVisible(true);
    }
    m_messageLine.start(
        this, [this](const QString& text, const QString& target) { setMessageLine(text, target); });
}

void MainWindow::showEvent(QShowEvent* event) {
    ResizableDialog::showEvent(event);
    // The splash stays in front until its time is up, window manager or not.
    if (m_splash != nullptr && m_splash->isVisible()) {
        m_splash->raise();
    }
}

// A remembered file that no longer loads leaves an empty list and no current
// file; one that is simply gone is not worth a message.
void MainWindow::restoreLastFile() {
    const QString stored = Platform::settings().readText(kPathSetting);
    if (!stored.isEmpty()) {
        load(stored, LoadFailure::QuietWhenMissing);
    }
}

// The chosen file becomes the current one only once it has loaded: a failed
// open leaves the collection, the current file and the setting as they were.
bool MainWindow::openPath(const QString& path) {
    if (!load(path, LoadFailure::Report)) {
        return false;
    }
    rememberFile(path);
    setModified(false);
    return true;
}

bool MainWindow::load(const QString& path, LoadFailure failure) {
    const LoadResult result = CollectionFile::load(pathBytes(path), m_collection);
    if (!result.ok) {
        if (failure == LoadFailure::Report || !result.fileMissing) {
            Platform::prompts().showError(this, kLoadErrorCaption,
                                          TextCodec::decode(result.message));
        }
        return false;
    }
    m_collection.filePath = pathBytes(path);
    fillList();
    updateTitle();
    if (!result.notKept.empty()) {
        Platform::prompts().showInformation(this, kCaption,
                                            TextCodec::decode(result.notKept.message()));
    }
    return true;
}

QString MainWindow::currentPath() const {
    return QFile::decodeName(QByteArray::fromStdString(m_collection.filePath));
}

void MainWindow::fillList() {
    m_list->clear();
    for (const auto& record : m_collection.records) {
        QStringList texts;
        const ProtocolListCells row = ProtocolListCells::of(*record);
        for (const std::string& cell : row.cells()) {
            // A cell has one line.
            texts.append(TextCodec::decodeLines(cell).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        }
        if (row.partialUpload) {
            texts[0] += fromView(ProtocolListCells::kPartialMark);
        }
        auto* item = new QTreeWidgetItem(m_list, texts);
        item->setIcon(0, m_protocolIcon);
        item->setData(0, Qt::UserRole, m_list->topLevelItemCount() - 1);
    }
    markProtocolsWithErrors();
    if (m_sortColumn >= 0) {
        m_list->sortItems(m_sortColumn, m_sortOrder);
    }
}

std::size_t MainWindow::markProtocolsWithErrors() {
    std::vector<std::size_t> errors(m_collection.records.size(), 0);
    for (const RuleFinding& finding : RegistryRules::check(m_collection, RuleContext::now())) {
        if (finding.severity == RuleSeverity::Error && finding.record < errors.size()) {
            ++errors[finding.record];
        }
    }
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    std::size_t protocols = 0;
    for (int visual = 0; visual < m_list->topLevelItemCount(); ++visual) {
        QTreeWidgetItem* item = m_list->topLevelItem(visual);
        const auto count = errors[static_cast<std::size_t>(item->data(0, Qt::UserRole).toInt())];
        protocols += count > 0 ? 1 : 0;
        item->setIcon(0, count > 0 ? errorIcon : m_protocolIcon);
        item->setToolTip(0, count > 0 ? QStringLiteral("%1 error(s) the registry will reject; "
                                                       "Check lists them.")
                                            .arg(count)
                                      : QString());
    }
    return protocols;
}

void MainWindow::check() {
    CheckWindow window(m_collection, RegistryRules::check(m_collection, RuleContext::now()), this);
    window.setChooser([this, &window](std::size_t record, const RuleFinding* finding) {
        if (finding != nullptr) {
            m_editorStart = *finding;
        }
        window.accept();
        selectRow(static_cast<int>(record));
        editProtocol();
        m_editorStart.reset();
    });
    connect(&window, &CheckWindow::validateRequested, this, &MainWindow::validate);
    window.exec();
}

int MainWindow::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, Qt::UserRole).toInt();
}

void MainWindow::selectRow(int row) {
    for (int visual = 0; visual < m_list->topLevelItemCount(); ++visual) {
        QTreeWidgetItem* item = m_list->topLevelItem(visual);
        if (item->data(0, Qt::UserRole).toInt() == row) {
            m_list->setCurrentItem(item);
            item->setSelected(true);
            return;
        }
    }
    m_list->clearSelection();
}

int MainWindow::runProtocolEditor(QWidget* parent, StudyRecord& record, const QString& title,
                                  const std::optional<RuleFinding>& start) {
    ProtocolEditor editor(parent);
    editor.setRecord(&record);
    editor.setTitle(title);
    if (start.has_value()) {
        // Once the editor has loaded its pages.
        QTimer::singleShot(0, &editor, [&editor, finding = *start] { editor.goToFinding(finding); });
    }
    return editor.exec();
}

void MainWindow::newProtocol() {
    auto record = std::make_unique<StudyRecord>();
    if (m_editorRunner(this, *record, QString()) != QDialog::Accepted) {
        return;
    }
    m_collection.records.push_back(std::move(record));
    fillList();
    setModified(true);
}

void MainWindow::editProtocol() {
    const int row = selectedRow();
    if (row < 0) {
        Platform::prompts().showError(this, kCaption,
                                      QStringLiteral("Please select a study to edit."));
        return;
    }
    StudyRecord& record = *m_collection.records[static_cast<std::size_t>(row)];
    const QString title = QStringLiteral("Editing %1 Protocol: %2")
                              .arg(registryName(), TextCodec::decode(record.id_info.org_study_id));
    const std::string before = CollectionFile::recordText(record);
    if (m_editorRunner(this, record, title) != QDialog::Accepted) {
        return;
    }
    fillList();
    // OK without a change leaves nothing to save.
    setModified(m_modified || CollectionFile::recordText(record) != before);
}

void MainWindow::removeProtocol() {
    const int row = selectedRow();
    if (row < 0) {
        Platform::prompts().showError(this, kCaption,
                                      QStringLiteral("Please select a study to remove."));
        return;
    }
    const QString id =
        TextCodec::decode(m_collection.records[static_cast<std::size_t>(row)]->id_info.org_study_id);
    if (!Platform::prompts().askYesNo(
            this, kCaption,
            QStringLiteral("Remove protocol %1 from the collection?").arg(id))) {
        return;
    }
    m_collection.records.erase(m_collection.records.begin() + row);
    fillList();
    setModified(true);
    const int count = m_list->topLevelItemCount();
    if (count > 0) {
        selectRow(std::min(row, count - 1));
    }
}

FileDialogRequest MainWindow::fileRequest() const {
    FileDialogRequest request;
    request.filters = {{fromView(names::kRegistryAlternativeName) + QStringLiteral(" XML (*.xml)"),
                        QStringLiteral("*.xml")}};
    request.hideReadOnly = true;
    return request;
}

// Whether the user may go on: the changes are saved, there are none, or the
// user chose to drop them. Cancel (Escape, the close box) goes back.
bool MainWindow::settleUnsavedChanges() {
    if (!m_modified) {
        return true;
    }
    switch (Platform::prompts().askYesNoCancel(this, kCaption, kSaveQuestion)) {
    case MessageAnswer::Yes:
        return save() == SaveOutcome::Saved;
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::open() {
    // Unsaved work is offered for saving first; a save that does not happen keeps it open.
    if (!settleUnsavedChanges()) {
        return;
    }
    FileDialogRequest request = fileRequest();
    request.initialPath = startPath();
    request.confirmOverwrite = false;
    const std::optional<QString> path = Platform::prompts().openFile(this, request);
    if (path.has_value()) {
        openPath(*path);
    }
}

MainWindow::SaveOutcome MainWindow::save() {
    FileDialogRequest request = fileRequest();
    request.initialPath = startPath();
    request.defaultExtension = QStringLiteral("xml");
    request.confirmOverwrite = true;
    const std::optional<QString> path = Platform::prompts().saveFile(this, request);
    if (!path.has_value()) {
        return SaveOutcome::Cancelled;
    }
    SaveResult result = CollectionFile::save(m_collection, pathBytes(*path));
    if (result.readOnly) {
        // Read-only is often how a finished file is kept from changes.
        if (!Platform::prompts().askYesNo(this, kCaption,
                                          *path + QStringLiteral(" is read-only. Save anyway?"))) {
            return SaveOutcome::Cancelled;
        }
        result = CollectionFile::save(m_collection, pathBytes(*path), {.replaceReadOnly = true});
    }
    if (!result.ok) {
        Platform::prompts().showError(
            this, kCaption,
            QStringLiteral("The protocols could not be saved to %1.\n\n%2")
                .arg(*path, TextCodec::decode(result.reason)));
        return SaveOutcome::Failed;
    }
    m_collection.filePath = pathBytes(*path);
    rememberFile(*path);
    setModified(false);
    Platform::prompts().showInformation(
        this, kCaption,
        registryName() + QStringLiteral(" XML file successfully saved to ") + *path);
    return SaveOutcome::Saved;
}

QString MainWindow::uploadInstructions() {
    const QString rn = registryName();
    return QStringLiteral("You will now be taken to the ") + rn +
           QStringLiteral(
               " Protocol Registration System web site. To submit your clinical trial "
               "information, login to the web site. On the web site's main menu in the "
               "section \"XML Upload\", click the \"Upload Protocol Records\" link. Then "
               "select the XML file you've just saved and click the \"Upload\" link.") +
           QStringLiteral("\n\n") + rn +
           QStringLiteral(" will verify your information and notify you of warnings or issues "
                          "with the data. You can complete any corrections using ") +
           kCaption + QStringLiteral(" or the ") + rn + QStringLiteral(" web site.");
}

void MainWindow::upload() {
    // What is uploaded is the file on disk: it should hold what the user sees.
    if (!settleUnsavedChanges()) {
        return;
    }
    if (const std::size_t withErrors = markProtocolsWithErrors(); withErrors > 0) {
        const QString question =
            (withErrors == 1 ? QStringLiteral("1 protocol has")
                             : QStringLiteral("%1 protocols have").arg(withErrors)) +
            QStringLiteral(" errors the registry will reject. Show them?");
        switch (Platform::prompts().askYesNoCancel(this, kCaption, question)) {
        case MessageAnswer::Yes:
            check();
            return;
        case MessageAnswer::No:
            break;
        default:
            return;
        }
    }
    Platform::prompts().showInformation(this, kCaption, uploadInstructions());
    Platform::shell().open(fromView(names::kPrsLoginSite));
}

void MainWindow::prsAccount() {
    Platform::shell().open(fromView(names::kPrsInformationSite));
}

// HELP.TXT is shown read-only in the program's own help window, which needs
// nothing set up on the desktop.
void MainWindow::help() {
    const std::optional<QString> path = m_programFiles.find(ProgramFiles::kHelpFile);
    if (!path.has_value()) {
        Platform::prompts().showError(
            this, kCaption,
            QStringLiteral("The help text %1 could not be found or read. It was looked for at:\n%2")
                .arg(ProgramFiles::kHelpFile,
                     m_programFiles.candidates(ProgramFiles::kHelpFile).join(u'\n')));
        return;
    }
    if (m_helpWindow == nullptr) {
        m_helpWindow = new HelpWindow(this, m_helpViewFactory);
        fitHelpText(*m_helpWindow);
    }
    m_helpWindow->navigateTo(QUrl::fromLocalFile(*path).toString());
    m_helpWindow->showAndFocus();
}

void MainWindow::about() {
    AboutBox box(this);
    box.exec();
}

void MainWindow::upgrade() {
    m_upgrade.exec();
}

SchemaLocation MainWindow::schemaLocation() const {
    if (m_schemaLocation.has_value()) {
        return *m_schemaLocation;
    }
    // The bundled schema comes first; the working directory only when it is missing.
    SchemaLocation location;
    const QString name = fromView(SchemaLocation::kFileName);
    if (const std::optional<QString> bundled = m_programFiles.find(name)) {
        location.explicitPath = pathBytes(*bundled);
        return location;
    }
    for (const QString& folder : m_programFiles.folders()) {
        location.installedDirs.push_back(pathBytes(folder));
    }
    return location;
}

QString MainWindow::programName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).baseName();
}

void MainWindow::validate() {
    FileDialogRequest request = fileRequest();
    request.initialPath = startPath();
    request.confirmOverwrite = false;
    const std::optional<QString> path = Platform::prompts().openFile(this, request);
    if (!path.has_value()) {
        return;
    }
    showValidationReport(validateFile(pathBytes(*path), schemaLocation()));
}

void MainWindow::showValidationReport(const ValidationReport& report) {
    // Both boxes stand on their own, owned by no window.
    if (report.status == ValidationReport::Status::Error) {
        Platform::prompts().message(nullptr, {programName(), TextCodec::decode(report.text)});
        return;
    }
    std::ostringstream whole;
    if (!report.writeTo(whole)) {
        Platform::prompts().message(nullptr,
                                    {programName(), TextCodec::decode(report.changedText())});
        return;
    }
    Platform::prompts().showInformation(nullptr, kValidationCaption,
                                        TextCodec::decode(whole.str()));
}

void MainWindow::quit() {
    // Only saved or knowingly dropped changes let the program end.
    if (!settleUnsavedChanges()) {
        return;
    }
    QDialog::done(QDialog::Rejected);
}

void MainWindow::reject() {
    quit();
}

CHyperLink* MainWindow::messageLink() const {
    return control<CHyperLink>(kMessageLineId);
}

QString MainWindow::messageTarget() const {
    const CHyperLink* link = messageLink();
    return link != nullptr ? link->address() : QString();
}

void MainWindow::setMessageLine(const QString& text, const QString& target) {
    CHyperLink* link = messageLink();
    if (link == nullptr) {
        return;
    }
    link->setText(text);
    // Targets come from the network: only web addresses may reach the shell.
    link->setAddress(WebAddress::isWebAddress(target)
                         ? target
                         : QString::fromStdString(MessageLine::defaultTarget(vendorSite().host)));
}
