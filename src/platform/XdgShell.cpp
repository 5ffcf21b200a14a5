#include "platform/XdgShell.h"

#include "platform/DesktopEntry.h"
#include "platform/SpawnedProcess.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>

namespace {

constexpr qint64 kMaximumQueryOutput = 4096;
constexpr int kKillWaitMs = 500;

int resultForStartError(int error) {
    switch (error) {
    case ENOENT:
        return ShellResult::FileNotFound;
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return ShellResult::PathNotFound;
    case EACCES:
    case EPERM:
        return ShellResult::AccessDenied;
    case ENOMEM:
    case E2BIG:
        return ShellResult::OutOfMemory;
    case ENOEXEC:
        return ShellResult::BadFormat;
    case ETXTBSY:
        return ShellResult::SharingViolation;
    default:
        return ShellResult::OutOfResources;
    }
}

// A program named by the user's configuration: a path is taken as it is, a
// bare name is looked up on PATH. Empty when a bare name is not found.
QString programPath(const QString& program) {
    if (program.contains(QLatin1Char('/'))) {
        return program;
    }
    return QStandardPaths::findExecutable(program);
}

QStringList absoluteDirectories(const QStringList& candidates) {
    QStringList directories;
    for (const QString& candidate : candidates) {
        if (QDir::isAbsolutePath(candidate)) {
            directories.append(QDir::cleanPath(candidate));
        }
    }
    return directories;
}

QStringList environmentList(const char* name, const QString& fallback) {
    QString value = qEnvironmentVariable(name);
    if (value.isEmpty()) {
        value = fallback;
    }
    return value.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

} // namespace

XdgShell::XdgShell(QString opener, QString mimeQuery)
    : m_opener(std::move(opener)), m_mimeQuery(std::move(mimeQuery)) {}

int XdgShell::open(const QString& target) {
    if (target.trimmed().isEmpty()) {
        return ShellResult::FileNotFound;
    }
    const QString argument = openerArgument(target);
    const int result = runOpener(argument);
    if (succeeded(result)) {
        return result;
    }
    return openWithDefaultHandler(argument, result);
}

QString XdgShell::openerArgument(const QString& target) {
    if (target.startsWith(QLatin1Char('-'))) {
        return QStringLiteral("./") + target;
    }
    return target;
}

QStringList XdgShell::dataDirectories() {
    const QString home = QDir::homePath() + QStringLiteral("/.local/share");
    QStringList directories = environmentList("XDG_DATA_HOME", home).mid(0, 1);
    directories += environmentList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    return absoluteDirectories(directories);
}

int XdgShell::resultForOpenerExit(int exitCode) {
    switch (exitCode) {
    case 0:
        return ShellResult::Success;
    case 2: // the file named does not exist
        return ShellResult::FileNotFound;
    case 3: // no program or tool found for the target
        return ShellResult::NoAssociation;
    default: // 1: refused its arguments, 4: the handler failed
        return ShellResult::AssociationIncomplete;
    }
}

int XdgShell::runOpener(const QString& argument) const {
    const QString program = programPath(m_opener);
    if (program.isEmpty()) {
        return ShellResult::FileNotFound;
    }
    const SpawnedProcess::Outcome outcome = SpawnedProcess::run(program, {argument}, m_waitLimit);
    switch (outcome.state) {
    case SpawnedProcess::State::FailedToStart:
        return resultForStartError(outcome.error);
    case SpawnedProcess::State::Exited:
        return resultForOpenerExit(outcome.exitCode);
    case SpawnedProcess::State::Crashed:
        return ShellResult::AssociationIncomplete;
    case SpawnedProcess::State::StillRunning:
        break;
    }
    return ShellResult::Success;
}

int XdgShell::openWithDefaultHandler(const QString& argument, int shellResult) const {
    const QString path = DesktopEntry::locate(defaultWebPageHandler(), dataDirectories());
    if (path.isEmpty()) {
        return shellResult;
    }
    const std::optional<DesktopEntry> entry = DesktopEntry::load(path);
    if (!entry) {
        return shellResult;
    }
    const std::optional<QStringList> command = entry->commandFor(argument);
    if (!command) {
        return ShellResult::AssociationIncomplete;
    }
    const QString program = programPath(command->front());
    if (program.isEmpty()) {
        return ShellResult::FileNotFound;
    }
    // The browser runs for as long as the user keeps it open: only its start is awaited.
    const SpawnedProcess::Outcome outcome =
        SpawnedProcess::run(program, command->mid(1), std::chrono::milliseconds{0});
    if (outcome.state == SpawnedProcess::State::FailedToStart) {
        return resultForStartError(outcome.error);
    }
    return ShellResult::Success;
}

QString XdgShell::defaultWebPageHandler() const {
    const QString program = programPath(m_mimeQuery);
    if (program.isEmpty()) {
        return {};
    }
    QProcess query;
    query.setStandardInputFile(QProcess::nullDevice());
    query.setStandardErrorFile(QProcess::nullDevice());
    query.start(program,
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    const int limit = static_cast<int>(m_waitLimit.count());
    if (!query.waitForFinished(limit)) {
        query.kill();
        query.waitForFinished(kKillWaitMs);
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        return {};
    }
    // The first of possibly several IDs ("a.desktop;b.desktop").
    const QString output = QString::fromUtf8(query.read(kMaximumQueryOutput));
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty()) {
        return {};
    }
    return lines.front().section(QLatin1Char(';'), 0, 0).trimmed();
}
