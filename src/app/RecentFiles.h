#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// The collection files opened or saved last, newest first, kept in the
// settings value "RecentFiles" one path a line.
class RecentFiles {
public:
    static constexpr qsizetype kMaxCount = 5;
    static const QString kSetting;

    explicit RecentFiles(SettingsStore& settings) : m_settings(settings) {}

    QStringList paths() const;
    // Moves the path to the front, dropping the oldest beyond kMaxCount.
    void add(const QString& path);

private:
    SettingsStore& m_settings;
};
