#include "app/RecentFiles.h"

#include "platform/SettingsStore.h"

const QString RecentFiles::kSetting = QStringLiteral("RecentFiles");

QStringList RecentFiles::paths() const {
    QStringList paths = m_settings.readText(kSetting).split(u'\n', Qt::SkipEmptyParts);
    paths.removeDuplicates();
    return paths.mid(0, kMaxCount);
}

void RecentFiles::add(const QString& path) {
    QStringList updated = paths();
    updated.removeAll(path);
    updated.prepend(path);
    m_settings.writeText(kSetting, updated.mid(0, kMaxCount).join(u'\n'));
}
