#include "platform/XdgShell.h"

#include <QProcess>
#include <QStandardPaths>

XdgShell::XdgShell(QString program) : m_program(std::move(program)) {}

int XdgShell::open(const QString& target) {
    if (target.trimmed().isEmpty()) {
        return ShellResult::FileNotFound;
    }
    const QString program = QStandardPaths::findExecutable(m_program);
    if (program.isEmpty()) {
        return ShellResult::NoAssociation;
    }
    if (!QProcess::startDetached(program, {openerArgument(target)})) {
        return ShellResult::OutOfResources;
    }
    return ShellResult::Success;
}

QString XdgShell::openerArgument(const QString& target) {
    if (target.startsWith(QLatin1Char('-'))) {
        return QStringLiteral("./") + target;
    }
    return target;
}
