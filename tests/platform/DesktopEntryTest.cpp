#include "platform/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString execOf(const char* contents) {
    const std::optional<DesktopEntry> entry = DesktopEntry::parse(contents);
    return entry ? entry->exec() : QStringLiteral("<none>");
}

QStringList commandOf(const QString& exec, const QString& address) {
    const std::optional<DesktopEntry> entry =
        DesktopEntry::parse("[Desktop Entry]\nExec=" + exec.toUtf8() + "\n");
    if (!entry) {
        return {QStringLiteral("<no entry>")};
    }
    return entry->commandFor(address).value_or(QStringList{QStringLiteral("<malformed>")});
}

void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace

TEST(DesktopEntry, ReadsTheExecLineOfTheMainGroupOnly) {
    EXPECT_EQ(execOf("# comment\n[Desktop Entry]\nName=Browser\nExec = browser %u\n"
                     "[Desktop Action new-window]\nExec=browser --new-window %u\n"),
              QStringLiteral("browser %u"));
    EXPECT_EQ(execOf("[Desktop Action x]\nExec=other\n[Desktop Entry]\nExec[de]=lokal\n"
                     "Exec=browser\n"),
              QStringLiteral("browser"));
    EXPECT_EQ(execOf("[Desktop Entry]\r\nExec=browser\\s--flag\\\\x\r\n"),
              QStringLiteral("browser --flag\\x"));
    EXPECT_EQ(execOf("[Desktop Entry]\nName=No command\n"), QStringLiteral("<none>"));
    EXPECT_EQ(execOf("[Desktop Entry]\nExec=browser\nHidden=true\n"), QStringLiteral("<none>"));
    EXPECT_EQ(execOf("Exec=outside any group\n"), QStringLiteral("<none>"));
}

TEST(DesktopEntry, SplitsExecByItsQuotingRules) {
    EXPECT_EQ(DesktopEntry::splitExec(QStringLiteral("  a  b\tc ")), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(DesktopEntry::splitExec(QStringLiteral(R"("/opt/my app/run" "x y" "" z)")),
              (QStringList{"/opt/my app/run", "x y", "", "z"}));
    EXPECT_EQ(DesktopEntry::splitExec(QStringLiteral(R"(sh "say \"hi\" \$HOME \`x\` \\")")),
              (QStringList{"sh", R"(say "hi" $HOME `x` \)"}));
    EXPECT_EQ(DesktopEntry::splitExec(QStringLiteral(R"(pre"quoted part"post)")),
              (QStringList{"prequoted partpost"}));
    EXPECT_FALSE(DesktopEntry::splitExec(QStringLiteral(R"(browser "unterminated)")));
}

TEST(DesktopEntry, TheAddressTakesThePlaceOfTheFirstFileOrUrlCode) {
    const QString address = QStringLiteral(R"(https://example.org/a b?q="x"&r=$(id))");
    EXPECT_EQ(commandOf(QStringLiteral("browser --new %U --after %f"), address),
              (QStringList{"browser", "--new", address}));
    EXPECT_EQ(commandOf(QStringLiteral(R"("/opt/b/browser" --go %u)"), address),
              (QStringList{"/opt/b/browser", "--go", address}));
    EXPECT_EQ(commandOf(QStringLiteral("browser --url=%u"), address),
              (QStringList{"browser", "--url=" + address}));
    EXPECT_EQ(commandOf(QStringLiteral("browser -nohome"), address),
              (QStringList{"browser", "-nohome", address}));
    EXPECT_EQ(commandOf(QStringLiteral("browser %F"), QStringLiteral("x")),
              (QStringList{"browser", "x"}));
}

TEST(DesktopEntry, OtherFieldCodesAreDroppedAndPercentEscapesKept) {
    EXPECT_EQ(commandOf(QStringLiteral("browser %i %c --rate=100%% %%u %u"), QStringLiteral("x")),
              (QStringList{"browser", "--rate=100%", "%u", "x"}));
    EXPECT_EQ(commandOf(QStringLiteral("%i %u"), QStringLiteral("x")),
              (QStringList{"<malformed>"}));
    EXPECT_EQ(commandOf(QStringLiteral(R"(browser "bad)"), QStringLiteral("x")),
              (QStringList{"<malformed>"}));
}

TEST(DesktopEntry, AFileOrUrlCodeInsideQuotesMakesTheEntryUnusable) {
    const QString address = QStringLiteral("https://example.org/'$(id)'");
    for (const char* exec :
         {R"(sh -c "browser '%u'")", R"(sh -c "exec browser \\"%U\\"")", R"(browser "%u")",
          R"(browser "--url=%f")", R"(browser --go="x %F")", R"(browser %u "sh -c 'x %u'")"}) {
        EXPECT_EQ(commandOf(QString::fromUtf8(exec), address), (QStringList{"<malformed>"}))
            << exec;
    }
    // Codes that hand the address over as an argument of its own stay usable.
    EXPECT_EQ(commandOf(QStringLiteral(R"(sh -c "exec browser \\"\\$1\\"" sh %u)"), address),
              (QStringList{"sh", "-c", R"(exec browser "$1")", "sh", address}));
    EXPECT_EQ(commandOf(QStringLiteral(R"(browser "%%u 100%%" "%i" %u)"), address),
              (QStringList{"browser", "%u 100%", address}));
}

TEST(DesktopEntry, LocatesAnIdInTheFirstDataDirectoryThatHasIt) {
    QTemporaryDir root;
    const QString first = root.filePath(QStringLiteral("first"));
    const QString second = root.filePath(QStringLiteral("second"));
    writeFile(second + "/applications/web.desktop", "[Desktop Entry]\nExec=second\n");
    writeFile(second + "/applications/vendor/tool.desktop", "[Desktop Entry]\nExec=tool\n");
    writeFile(root.filePath("secret.desktop"), "[Desktop Entry]\nExec=secret\n");
    const QStringList directories{first, second};
    EXPECT_EQ(DesktopEntry::locate(QStringLiteral("web.desktop"), directories),
              second + "/applications/web.desktop");
    writeFile(first + "/applications/web.desktop", "[Desktop Entry]\nExec=first\n");
    EXPECT_EQ(DesktopEntry::locate(QStringLiteral("web.desktop"), directories),
              first + "/applications/web.desktop");
    EXPECT_EQ(DesktopEntry::locate(QStringLiteral("vendor-tool.desktop"), directories),
              second + "/applications/vendor/tool.desktop");
    EXPECT_EQ(DesktopEntry::locate(QStringLiteral("missing.desktop"), directories), QString());
    EXPECT_EQ(DesktopEntry::locate(QStringLiteral("../../secret.desktop"), directories), QString());
    EXPECT_EQ(DesktopEntry::locate(QStringLiteral("web"), directories), QString());
    const std::optional<DesktopEntry> loaded =
        DesktopEntry::load(DesktopEntry::locate(QStringLiteral("web.desktop"), directories));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->exec(), QStringLiteral("first"));
}
