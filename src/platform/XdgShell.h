#pragma once

#include "platform/Shell.h"

#include <QStringList>
#include <chrono>

// Opens targets with the desktop's opener program ("xdg-open"). When the
// opener is missing or fails, the target goes to the desktop's default
// handler of web pages instead: the desktop entry that
// "xdg-mime query default text/html" names. Programs are always started with
// an argument vector, the target one argument of its own; never through a
// shell command line.
//
// The opener is waited for, at most `waitLimit`, so that its failures can be
// reported. It answers at once when it hands the target to a running browser
// or a launcher; an opener still running when the wait ends (a browser it
// started in the foreground) counts as success and is left to run.
class XdgShell : public Shell {
public:
    static constexpr std::chrono::milliseconds kDefaultWaitLimit{3000};

    explicit XdgShell(QString opener = QStringLiteral("xdg-open"),
                      QString mimeQuery = QStringLiteral("xdg-mime"));

    int open(const QString& target) override;

    void setWaitLimit(std::chrono::milliseconds limit) { m_waitLimit = limit; }

    // The argument handed to the opener: a target that would read as an
    // option (leading "-") is made an explicit relative path.
    static QString openerArgument(const QString& target);

    // The folders searched for desktop entries, most important first:
    // $XDG_DATA_HOME (or ~/.local/share), then $XDG_DATA_DIRS (or
    // /usr/local/share:/usr/share). Relative entries are ignored.
    static QStringList dataDirectories();

    // The result of an opener that ended with `exitCode`.
    static int resultForOpenerExit(int exitCode);

private:
    int runOpener(const QString& argument) const;
    // `shellResult` is answered when no default handler can be found.
    int openWithDefaultHandler(const QString& argument, int shellResult) const;
    QString defaultWebPageHandler() const;

    QString m_opener;
    QString m_mimeQuery;
    std::chrono::milliseconds m_waitLimit = kDefaultWaitLimit;
};
