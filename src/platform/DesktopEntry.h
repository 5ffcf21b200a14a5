#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// An application's desktop entry (a ".desktop" file under a data directory's
// applications/ folder), read far enough to start the application on one
// address: the Exec line of its [Desktop Entry] group.
class DesktopEntry {
public:
    // None when the file cannot be read, has no Exec line or is marked Hidden.
    static std::optional<DesktopEntry> load(const QString& path);
    static std::optional<DesktopEntry> parse(const QByteArray& contents);

    // The file of desktop-file ID `id` ("vendor-app.desktop" may also live at
    // "vendor/app.desktop"): the first data directory that has it wins. Empty
    // when none has it or the ID is not a plain file name.
    static QString locate(const QString& id, const QStringList& dataDirectories);

    // The Exec value with the string escapes (\s \n \t \r \\) resolved.
    const QString& exec() const { return m_exec; }

    // The argument vector that opens `address`: the Exec line split by the
    // desktop-entry quoting rules and cut at its first file or URL field code
    // (%f %F %u %U), the address taking the code's place as one argument.
    // Without such a code the address is appended. Other field codes are
    // dropped and "%%" reads "%". None when the line is malformed or empty, and
    // when it puts a file or URL code inside quotes (which desktop entries must
    // not do): the address would become part of a longer string, such as a
    // shell script, instead of an argument of its own.
    std::optional<QStringList> commandFor(const QString& address) const;

    // The Exec line's arguments, quotes and backslash escapes removed; none
    // for an unterminated quote.
    static std::optional<QStringList> splitExec(const QString& exec);

private:
    explicit DesktopEntry(QString exec) : m_exec(std::move(exec)) {}

    QString m_exec;
};
