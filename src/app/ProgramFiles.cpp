#include "app/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

const QString ProgramFiles::kHelpFile = QStringLiteral("HELP.TXT");
const QString ProgramFiles::kBackgroundFile = QStringLiteral("globebkimage.bmp");

ProgramFiles::ProgramFiles(QStringList folders) : m_folders(std::move(folders)) {}

ProgramFiles ProgramFiles::ofThisProgram() {
    // The install puts the executable in bin/ and its files in the data folder;
    // the build tree has them beside the executable.
    const QDir program(QCoreApplication::applicationDirPath());
    return ProgramFiles({program.path(), QDir::cleanPath(program.filePath(
                                             QStringLiteral(PROTOSCRIBE_DATA_FROM_PROGRAM)))});
}

QStringList ProgramFiles::candidates(const QString& name) const {
    QStringList paths;
    for (const QString& folder : m_folders) {
        paths.append(QDir(folder).filePath(name));
    }
    return paths;
}

std::optional<QString> ProgramFiles::find(const QString& name) const {
    for (const QString& path : candidates(name)) {
        const QFileInfo file(path);
        if (file.isFile() && file.isReadable()) {
            return path;
        }
    }
    return std::nullopt;
}
