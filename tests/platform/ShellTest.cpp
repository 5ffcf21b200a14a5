#include "platform/XdgShell.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
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
    XdgShell missing(QStringLiteral("/nonexistent/opener-program"),
                     QStringLiteral("/nonexistent/mime-query-program"));
    EXPECT_FALSE(Shell::succeeded(missing.open(QStringLiteral("https://example.org/"))));
    FakeOpener opener;
    XdgShell shell(opener.program());
    EXPECT_EQ(shell.open(QStringLiteral("  ")), ShellResult::FileNotFound);
}

namespace {

// Restores an environment variable when it goes.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnvironment() {
        if (m_wasSet) {
            qputenv(m_name, m_old);
        } else {
            qunsetenv(m_name);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};

// A desktop made of scripts: PATH holds only the test's bin folder, the data
// directories are the test's own.
class FakeDesktop : public ::testing::Test {
protected:
    FakeDesktop()
        : m_bin(m_root.filePath(QStringLiteral("bin"))),
          m_data(m_root.filePath(QStringLiteral("data"))), m_path("PATH", m_bin.toLocal8Bit()),
          m_dataHome("XDG_DATA_HOME", m_root.filePath(QStringLiteral("home")).toLocal8Bit()),
          m_dataDirs("XDG_DATA_DIRS", m_data.toLocal8Bit()) {
        QDir().mkpath(m_bin);
        QDir().mkpath(m_data + QStringLiteral("/applications"));
        shell.setWaitLimit(std::chrono::milliseconds{2000});
    }

    QString bin(const QString& name) const { return m_bin + QLatin1Char('/') + name; }

    void writeScript(const QString& name, const QByteArray& body) const {
        QFile script(bin(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nPATH=/usr/bin:/bin\n" + body);
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A program that writes its argument count and arguments, one per line, then exits.
    void writeRecorder(const QString& name, int exitCode = 0) const {
        const QByteArray output = recordFile(name).toLocal8Bit();
        writeScript(name, "printf '%s\\n' \"$#\" \"$@\" > '" + output + ".tmp'\nmv '" + output +
                              ".tmp' '" + output + "'\nexit " + QByteArray::number(exitCode) +
                              "\n");
    }

    // What the recorder `name` was given, waiting up to five seconds for it.
    QStringList recorded(const QString& name) const {
        QDeadlineTimer deadline(5000);
        while (!QFile::exists(recordFile(name)) && !deadline.hasExpired()) {
            QThread::msleep(10);
        }
        QFile file(recordFile(name));
        if (!file.open(QIODevice::ReadOnly)) {
            return {QStringLiteral("<did not run>")};
        }
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    bool ran(const QString& name) const { return QFile::exists(recordFile(name)); }

    // xdg-mime answering `id` for the default handler of web pages.
    void writeMimeQuery(const QByteArray& id) const {
        writeScript(QStringLiteral("xdg-mime"),
                    "[ \"$*\" = 'query default text/html' ] || exit 1\necho '" + id + "'\n");
    }

    void writeDesktopEntry(const QString& id, const QByteArray& exec) const {
        QFile entry(m_data + QStringLiteral("/applications/") + id);
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Browser\nExec=" + exec + "\n");
    }

    // A browser entry whose program records what it was given.
    void installBrowser() const {
        writeRecorder(QStringLiteral("browser"));
        writeMimeQuery("fake-browser.desktop");
        writeDesktopEntry(QStringLiteral("fake-browser.desktop"),
                          "\"" + bin(QStringLiteral("browser")).toLocal8Bit() +
                              "\" --new-window %U --unused");
    }

    QString hostileTarget() const {
        return QStringLiteral("https://example.org/a b?q=\"x\"&r='y';$(touch ") + pwnedPath() +
               QStringLiteral(")`id`");
    }
    QString pwnedPath() const { return m_root.filePath(QStringLiteral("pwned")); }
    bool pwned() const { return QFile::exists(pwnedPath()); }

    XdgShell shell;

private:
    QString recordFile(const QString& name) const {
        return m_root.filePath(name + QStringLiteral(".args"));
    }

    QTemporaryDir m_root;
    QString m_bin;
    QString m_data;
    ScopedEnvironment m_path;
    ScopedEnvironment m_dataHome;
    ScopedEnvironment m_dataDirs;
};

} // namespace

TEST_F(FakeDesktop, TheOpenerOnPathGetsTheTargetAsOneArgument) {
    writeRecorder(QStringLiteral("xdg-open"));
    const QString target = hostileTarget();
    EXPECT_EQ(shell.open(target), ShellResult::Success);
    EXPECT_EQ(recorded(QStringLiteral("xdg-open")), (QStringList{QStringLiteral("1"), target}));
    EXPECT_FALSE(pwned());
}

TEST_F(FakeDesktop, OpenerFailuresMapToResultCodes) {
    const std::vector<std::pair<int, int>> cases{
        {1, ShellResult::AssociationIncomplete},
        {2, ShellResult::FileNotFound},
        {3, ShellResult::NoAssociation},
        {4, ShellResult::AssociationIncomplete},
    };
    for (const auto& [exitCode, result] : cases) {
        writeRecorder(QStringLiteral("xdg-open"), exitCode);
        EXPECT_EQ(shell.open(QStringLiteral("https://example.org/")), result) << exitCode;
        EXPECT_TRUE(ran(QStringLiteral("xdg-open")));
    }
    writeScript(QStringLiteral("xdg-open"), "kill -9 $$\n");
    EXPECT_EQ(shell.open(QStringLiteral("https://example.org/")),
              ShellResult::AssociationIncomplete);
}

TEST_F(FakeDesktop, WithoutOpenerOrHandlerTheProgramIsMissing) {
    EXPECT_EQ(shell.open(QStringLiteral("https://example.org/")), ShellResult::FileNotFound);
    writeMimeQuery("");
    EXPECT_EQ(shell.open(QStringLiteral("https://example.org/")), ShellResult::FileNotFound);
}

TEST_F(FakeDesktop, StartFailuresOfTheOpenerMapToResultCodes) {
    writeScript(QStringLiteral("unreadable"), "exit 0\n");
    QFile::setPermissions(bin(QStringLiteral("unreadable")), QFile::ReadOwner);
    EXPECT_EQ(XdgShell(bin(QStringLiteral("unreadable"))).open(QStringLiteral("x")),
              ShellResult::AccessDenied);
    QFile garbage(bin(QStringLiteral("garbage")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(64, '\x01'));
    garbage.close();
    garbage.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(XdgShell(bin(QStringLiteral("garbage"))).open(QStringLiteral("x")),
              ShellResult::BadFormat);
    EXPECT_EQ(XdgShell(bin(QStringLiteral("nothing/here"))).open(QStringLiteral("x")),
              ShellResult::FileNotFound);
}

TEST_F(FakeDesktop, AFailedOpenerFallsBackToTheDefaultWebPageHandler) {
    writeRecorder(QStringLiteral("xdg-open"), 4);
    installBrowser();
    const QString target = hostileTarget();
    EXPECT_EQ(shell.open(target), ShellResult::Success);
    EXPECT_TRUE(ran(QStringLiteral("xdg-open")));
    EXPECT_EQ(recorded(QStringLiteral("browser")),
              (QStringList{QStringLiteral("2"), QStringLiteral("--new-window"), target}));
    EXPECT_FALSE(pwned());
}

TEST_F(FakeDesktop, AMissingOpenerFallsBackToo) {
    installBrowser();
    EXPECT_EQ(shell.open(QStringLiteral("-x")), ShellResult::Success);
    EXPECT_EQ(
        recorded(QStringLiteral("browser")),
        (QStringList{QStringLiteral("2"), QStringLiteral("--new-window"), QStringLiteral("./-x")}));
}

TEST_F(FakeDesktop, AHandlerThatCannotBeUsedReportsWhy) {
    writeRecorder(QStringLiteral("xdg-open"), 3);
    writeMimeQuery("absent.desktop");
    EXPECT_EQ(shell.open(QStringLiteral("https://example.org/")), ShellResult::NoAssociation)
        << "the opener's own result when the entry is not there";
    writeMimeQuery("fake-browser.desktop");
    writeDesktopEntry(QStringLiteral("fake-browser.desktop"), "no-such-browser %u");
    EXPECT_EQ(shell.open(QStringLiteral("https://example.org/")), ShellResult::FileNotFound);
    writeDesktopEntry(QStringLiteral("fake-browser.desktop"), "\"browser %u");
    EXPECT_EQ(shell.open(QStringLiteral("https://example.org/")),
              ShellResult::AssociationIncomplete);
}

TEST_F(FakeDesktop, AnEntryThatQuotesTheAddressIntoAShellScriptIsNotUsed) {
    writeRecorder(QStringLiteral("xdg-open"), 4);
    writeRecorder(QStringLiteral("browser"));
    writeMimeQuery("fake-browser.desktop");
    writeDesktopEntry(QStringLiteral("fake-browser.desktop"),
                      "/bin/sh -c \"" + bin(QStringLiteral("browser")).toLocal8Bit() + " '%u'\"");
    // Closes the script's quote, runs a command, opens a quote again.
    const QString target = QStringLiteral("https://example.org/?q=';/usr/bin/touch ") +
                           pwnedPath() + QStringLiteral(";'");
    EXPECT_EQ(shell.open(target), ShellResult::AssociationIncomplete);
    EXPECT_FALSE(ran(QStringLiteral("browser")));
    EXPECT_FALSE(pwned());
}

TEST_F(FakeDesktop, AnOpenerStillRunningAtTheEndOfTheWaitCountsAsSuccess) {
    writeScript(QStringLiteral("xdg-open"), "sleep 2\nexit 4\n");
    shell.setWaitLimit(std::chrono::milliseconds{200});
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(shell.open(QStringLiteral("https://example.org/")), ShellResult::Success);
    EXPECT_LT(timer.elapsed(), 1500);
}

TEST(XdgShellDataDirectories, FollowTheBaseDirectoryDefaults) {
    ScopedEnvironment home("HOME", "/home/someone");
    ScopedEnvironment dataHome("XDG_DATA_HOME", "");
    ScopedEnvironment dataDirs("XDG_DATA_DIRS", "");
    EXPECT_EQ(XdgShell::dataDirectories(),
              (QStringList{"/home/someone/.local/share", "/usr/local/share", "/usr/share"}));
    ScopedEnvironment ownHome("XDG_DATA_HOME", "/data/home/");
    ScopedEnvironment ownDirs("XDG_DATA_DIRS", "/a:relative/b::/c");
    EXPECT_EQ(XdgShell::dataDirectories(), (QStringList{"/data/home", "/a", "/c"}));
}
