#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Where the files the program ships with (help text, list background, schema)
// are found: beside the executable, as the build tree leaves them, then in the
// data folder an install puts them in. Never the working directory: that is
// wherever the user happened to start the program.
class ProgramFiles {
public:
    static const QString kHelpFile;       // "HELP.TXT"
    static const QString kBackgroundFile; // "globebkimage.bmp"

    explicit ProgramFiles(QStringList folders);

    // The running program's folders: its executable's, then the installed data folder.
    static ProgramFiles ofThisProgram();

    const QStringList& folders() const { return m_folders; }
    // Every path tried for `name`, in order.
    QStringList candidates(const QString& name) const;
    // The first candidate that is a readable regular file.
    std::optional<QString> find(const QString& name) const;

private:
    QStringList m_folders;
};
