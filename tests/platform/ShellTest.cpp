#include "platform/XdgShell.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// A stand-in opener that writes its argument count and arguments, one per line.
class FakeOpener {
public:
    FakeOpener() {
        m_script = m_dir.filePath(QStringLiteral("opener"));
        m_output = m_dir.filePath(QStringLiteral("args"));
        QFile script(m_script);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"" + m_output.toLocal8Bit() +
                     ".tmp\"\nmv \"" + m_output.toLocal8Bit() + ".tmp\" \"" +
                     m_output.toLocal8Bit() + "\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString program() const { return m_script; }
    QString directory() const { return m_dir.path(); }

    // The lines the opener wrote, waiting up to five seconds for it to run.
    QStringList arguments() const {
        QDeadlineTimer deadline(5000);
        while (!QFile::exists(m_output) && !deadline.hasExpired()) {
            QThread::msleep(10);
        }
        QFile file(m_output);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir m_dir;
    QString m_script;
    QString m_output;
};

} // namespace

TEST(XdgShell, PassesTheTargetAsOneUninterpretedArgument) {
    FakeOpener opener;
    XdgShell shell(opener.program());
    const QString target = QStringLiteral("https://example.org/a b?x=1&y=$(touch ") +
                           opener.directory() + QStringLiteral("/pwned);`id` 'q' \"d\"");
    const int result = shell.open(target);
    EXPECT_TRUE(Shell::succeeded(result)) << result;
    EXPECT_EQ(opener.arguments(), (QStringList{QStringLiteral("1"), target}));
    EXPECT_FALSE(QFile::exists(opener.directory() + QStringLiteral("/pwned")));
}

TEST(XdgShell, ATargetCannotPassForAnOption) {
    FakeOpener opener;
    XdgShell shell(opener.program());
    EXPECT_TRUE(Shell::succeeded(shell.open(QStringLiteral("--help"))));
    EXPECT_EQ(opener.arguments(), (QStringList{QStringLiteral("1"), QStringLiteral("./--help")}));
}

TEST(XdgShell, FailuresAnswerCodesOfAtMost32) {
    XdgShell missing(QStringLiteral("/nonexistent/opener-program"));
    EXPECT_FALSE(Shell::succeeded(missing.open(QStringLiteral("https://example.org/"))));
    FakeOpener opener;
    XdgShell shell(opener.program());
    EXPECT_EQ(shell.open(QStringLiteral("  ")), ShellResult::FileNotFound);
}
