#include "platform/DesktopEntry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace {

constexpr qint64 kMaximumFileSize = 1 << 20;

QString unescapeString(QStringView value) {
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            result.append(c);
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            result.append(QLatin1Char(' '));
            break;
        case 'n':
            result.append(QLatin1Char('\n'));
            break;
        case 't':
            result.append(QLatin1Char('\t'));
            break;
        case 'r':
            result.append(QLatin1Char('\r'));
            break;
        default: // "\\" and unknown escapes keep the character after the backslash
            result.append(next);
            break;
        }
    }
    return result;
}

struct EntryLine {
    QString key;
    QString value;
};

std::optional<EntryLine> keyValue(const QString& line) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0) {
        return std::nullopt;
    }
    return EntryLine{line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
}

bool isUrlFieldCode(QChar code) {
    return code == QLatin1Char('u') || code == QLatin1Char('U') || code == QLatin1Char('f') ||
           code == QLatin1Char('F');
}

// One argument with its field codes resolved; `cutAt` is where the first
// file or URL code stood, if any.
struct ExpandedArgument {
    QString text;
    std::optional<qsizetype> cutAt;
    bool hadFieldCode = false;
};

ExpandedArgument expandFieldCodes(const QString& argument) {
    ExpandedArgument expanded;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const QChar c = argument.at(i);
        if (c != QLatin1Char('%') || i + 1 == argument.size()) {
            expanded.text.append(c);
            continue;
        }
        const QChar code = argument.at(++i);
        if (code == QLatin1Char('%')) {
            expanded.text.append(code);
            continue;
        }
        expanded.hadFieldCode = true;
        if (isUrlFieldCode(code)) {
            expanded.cutAt = expanded.text.size();
            return expanded;
        }
    }
    return expanded;
}

// An Exec argument as split, with each character marked when it stood inside
// double quotes.
struct SplitArgument {
    QString text;
    std::vector<bool> quoted;

    void append(QChar c, bool inQuotes) {
        text.append(c);
        quoted.push_back(inQuotes);
    }
};

// Whether a file or URL field code of the argument stood inside quotes. Such
// an entry would splice the address into a quoted string, typically the
// script of "sh -c", where its quotes and "$(...)" would run as commands.
bool hasQuotedUrlFieldCode(const SplitArgument& argument) {
    const QString& text = argument.text;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('%')) {
            continue;
        }
        const auto at = static_cast<std::size_t>(i);
        if (isUrlFieldCode(text.at(i + 1)) && (argument.quoted[at] || argument.quoted[at + 1])) {
            return true;
        }
        ++i; // the code, or the second "%" of "%%"
    }
    return false;
}

bool isExecBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// The Exec line's arguments, quotes and backslash escapes removed; none for an
// unterminated quote.
std::optional<std::vector<SplitArgument>> splitArguments(const QString& exec) {
    std::vector<SplitArgument> arguments;
    SplitArgument current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                current.append(exec.at(++i), true);
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                current.append(c, true);
            }
        } else if (isExecBlank(c)) {
            if (inArgument) {
                arguments.push_back(std::move(current));
                current = SplitArgument();
                inArgument = false;
            }
        } else {
            inArgument = true;
            if (c == QLatin1Char('"')) {
                quoted = true;
            } else {
                current.append(c, false);
            }
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inArgument) {
        arguments.push_back(std::move(current));
    }
    return arguments;
}

bool isPlainId(const QString& id) {
    return id.endsWith(QLatin1String(".desktop")) && !id.startsWith(QLatin1Char('.')) &&
           !id.contains(QLatin1Char('/')) && !id.contains(QLatin1Char('\\'));
}

// A file in a subfolder of `applications` whose relative path, "/" read as
// "-", is `id`.
QString findInSubfolders(const QString& applications, const QString& id) {
    QDirIterator files(applications, {QStringLiteral("*.desktop")}, QDir::Files,
                       QDirIterator::Subdirectories);
    const QDir root(applications);
    while (files.hasNext()) {
        const QString path = files.next();
        QString relative = root.relativeFilePath(path);
        if (relative.replace(QLatin1Char('/'), QLatin1Char('-')) == id) {
            return path;
        }
    }
    return {};
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::load(const QString& path) {
    QFile file(path);
    if (file.size() > kMaximumFileSize || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return parse(file.read(kMaximumFileSize));
}

std::optional<DesktopEntry> DesktopEntry::parse(const QByteArray& contents) {
    std::optional<QString> exec;
    bool hidden = false;
    bool inMainGroup = false;
    const QStringList lines = QString::fromUtf8(contents).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const std::optional<EntryLine> entry = keyValue(line);
        if (!entry) {
            continue;
        }
        if (entry->key == QLatin1String("Exec") && !exec) {
            exec = unescapeString(entry->value);
        } else if (entry->key == QLatin1String("Hidden")) {
            hidden = entry->value == QLatin1String("true");
        }
    }
    if (hidden || !exec || exec->isEmpty()) {
        return std::nullopt;
    }
    return DesktopEntry(*exec);
}

QString DesktopEntry::locate(const QString& id, const QStringList& dataDirectories) {
    if (!isPlainId(id)) {
        return {};
    }
    for (const QString& directory : dataDirectories) {
        const QString applications = directory + QStringLiteral("/applications");
        const QString direct = applications + QLatin1Char('/') + id;
        if (QFileInfo(direct).isFile()) {
            return direct;
        }
        if (id.contains(QLatin1Char('-'))) {
            const QString nested = findInSubfolders(applications, id);
            if (!nested.isEmpty()) {
                return nested;
            }
        }
    }
    return {};
}

std::optional<QStringList> DesktopEntry::commandFor(const QString& address) const {
    const std::optional<std::vector<SplitArgument>> arguments = splitArguments(m_exec);
    if (!arguments || arguments->empty() ||
        std::any_of(arguments->begin(), arguments->end(), hasQuotedUrlFieldCode)) {
        return std::nullopt;
    }
    QStringList command;
    for (const SplitArgument& argument : *arguments) {
        const ExpandedArgument expanded = expandFieldCodes(argument.text);
        if (expanded.cutAt) {
            if (command.isEmpty()) {
                return std::nullopt; // no program before the address
            }
            command.append(expanded.text.left(*expanded.cutAt) + address);
            return command;
        }
        if (!expanded.hadFieldCode || !expanded.text.isEmpty()) {
            command.append(expanded.text);
        }
    }
    if (command.isEmpty()) {
        return std::nullopt;
    }
    command.append(address);
    return command;
}

std::optional<QStringList> DesktopEntry::splitExec(const QString& exec) {
    const std::optional<std::vector<SplitArgument>> arguments = splitArguments(exec);
    if (!arguments) {
        return std::nullopt;
    }
    QStringList texts;
    for (const SplitArgument& argument : *arguments) {
        texts.append(argument.text);
    }
    return texts;
}
