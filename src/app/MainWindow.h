#pragma once

#include "app/HelpWindow.h"
#include "app/ProgramFiles.h"
#include "editor/ResizableDialog.h"
#include "names/NamesAndAddresses.h"
#include "model/RuleFinding.h"
#include "model/StudyCollection.h"
#include "validation/SchemaLocation.h"
#include "vendor/MessageLine.h"
#include "vendor/UpgradeCheck.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CHyperLink;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QTreeWidget;
class QTreeWidgetItem;
class SplashWindow;
struct FileDialogRequest;
struct ValidationReport;

// The program's one window: the protocols of the open collection file and
// every command on them. It owns the collection for the life of the program
// and reaches the user's desktop only through the platform services.
class MainWindow : public ResizableDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateNumber = 137;

    enum ControlId {
        kOpenId = 1001,
        kSaveId,
        kUploadId,
        kPrsAccountId,
        kHelpId,
        kQuitId,
        kValidateId,
        kListId,
        kNewId,
        kEditId,
        kRemoveId,
        kUpgradeId,
        kGroupBoxId,
        kIntroId,
        kIconId,
        kProductLineId,
        kMessageLineId,
        kCheckId,
    };

    // How a save ended: written, dialog cancelled, or the file could not be written.
    enum class SaveOutcome { Saved, Cancelled, Failed };

    // Runs the protocol editor on a record; QDialog::Accepted after OK. An
    // empty title keeps the editor's own.
    using EditorRunner =
        std::function<int(QWidget* parent, StudyRecord& record, const QString& title)>;

    static const QString kPathSetting; // "m_XMLPath"
    static constexpr int kBackgroundXPercent = 50;
    static constexpr int kBackgroundYPercent = 38;

    static const QString kValidationCaption; // "schemaCache"

    // Where the maker's upgrade page and message line are fetched from, for every
    // window made afterwards. The program keeps the maker's own site; test programs
    // point it at a server of their own so that no test reaches the internet.
    struct VendorSite {
        std::string host = std::string(names::kMakerSite);
        std::string cacheDirectory = CacheDownload::defaultDirectory();
    };
    static void setVendorSite(VendorSite site);
    static const VendorSite& vendorSite();

    // Where the help text, the list background and the schema are looked for, for
    // every window made afterwards: the running program's folders unless set.
    static void setProgramFiles(std::optional<ProgramFiles> files);
    static ProgramFiles programFiles();

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: the splash window, the automatic upgrade check when
    // one is due, the message line, then the file given on the command line
    // (opened as Open does) or else the file used last.
    void initialise(const std::optional<QString>& file = std::nullopt);
    // Loads the file named by m_XMLPath, if any.
    void restoreLastFile();
    // What Open does once a file is chosen: remember it, load it, list it.
    bool openPath(const QString& path);

    StudyCollection& collection() { return m_collection; }
    const StudyCollection& collection() const { return m_collection; }
    bool isModified() const { return m_modified; }
    QString currentPath() const;

    QTreeWidget* list() const { return m_list; }
    // The collection's index of the selected protocol, or -1; the list may be
    // sorted differently from the collection.
    int selectedRow() const;
    void selectRow(int row);
    // The context menu's entries that reopen the files used last, newest first.
    QList<QAction*> recentFileActions() const { return m_recentActions; }
    SplashWindow* splash() const { return m_splash.get(); }
    const QIcon& protocolIcon() const { return m_protocolIcon; }

    void setEditorRunner(EditorRunner runner) { m_editorRunner = std::move(runner); }
    // The real editor; `start` is the finding it opens at, if any.
    static int runProtocolEditor(QWidget* parent, StudyRecord& record, const QString& title,
                                 const std::optional<RuleFinding>& start = std::nullopt);

    // The browser of the window in which Help shows HELP.TXT; a web engine unless set.
    void setHelpViewFactory(HelpWindow::ViewFactory factory) {
        m_helpViewFactory = std::move(factory);
    }
    // None until Help found HELP.TXT.
    HelpWindow* helpWindow() const { return m_helpWindow; }

    // The hyperlink line at the top right and the address it opens. Targets that
    // are not web addresses are replaced by the maker's default page.
    void setMessageLine(const QString& text, const QString& target);
    CHyperLink* messageLink() const;
    QString messageTarget() const;
    const MessageLine& messageLine() const { return m_messageLine; }

    UpgradeCheck& upgradeCheck() { return m_upgrade; }

    // The schema the Validate command checks against; the installed one unless set.
    void setSchemaLocation(SchemaLocation location) { m_schemaLocation = std::move(location); }
    SchemaLocation schemaLocation() const;
    // Caption of the box that reports a validator that could not be set up.
    static QString programName();

    static QString uploadInstructions();

public slots:
    void newProtocol();
    void editProtocol();
    void removeProtocol();
    void open();
    SaveOutcome save();
    void upload();
    void prsAccount();
    void help();
    void about();
    void upgrade();
    // Validates a collection file on disk, not the collection in memory.
    void validate();
    // Lists what the registry's rules find in every protocol.
    void check();
    // Asks about unsaved changes and ends the program.
    void quit();
    // Escape and the close box quit.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Enter and Delete on the protocol list edit and remove.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A collection file dropped on the window is opened as Open does.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectCommands();
    void addShortcuts();
    void sortByColumn(int column);
    // Opens a file chosen some other way than the Open dialog, after the save question.
    void openChosen(const QString& path);
    void rememberFile(const QString& path);
    void fillRecentFiles();
    void setModified(bool modified);
    void updateTitle();
    // Where the file dialogs start: the current file, else the documents folder.
    QString startPath() const;
    void setUpList();
    void setUpContextMenu();
    void fillList();
    // The number of protocols with errors; marks their rows.
    std::size_t markProtocolsWithErrors();
    enum class LoadFailure { Report, QuietWhenMissing };
    bool load(const QString& path, LoadFailure failure);
    bool settleUnsavedChanges();
    FileDialogRequest fileRequest() const;
    void startVendorServices();
    static void showValidationReport(const ValidationReport& report);

    StudyCollection m_collection;
    bool m_modified = false;
    QTreeWidget* m_list = nullptr;
    int m_sortColumn = -1; // -1: the collection's own order
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QIcon m_protocolIcon;
    std::unique_ptr<SplashWindow> m_splash;
    EditorRunner m_editorRunner;
    std::optional<RuleFinding> m_editorStart; // for the editor opened from Check
    ProgramFiles m_programFiles;
    HelpWindow::ViewFactory m_helpViewFactory;
    HelpWindow* m_helpWindow = nullptr; // a child window, made by the first Help
    std::optional<SchemaLocation> m_schemaLocation;
    UpgradeCheck m_upgrade;
    // Last: it is stopped before anything its deliveries touch goes away.
    MessageLine m_messageLine;
};
