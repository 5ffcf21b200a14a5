#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>

// Settings kept in an INI file, by default "Protoscribe/Protoscribe.ini" in the
// user's configuration directory ($XDG_CONFIG_HOME, usually ~/.config).
class IniSettingsStore : public SettingsStore {
public:
    IniSettingsStore();
    explicit IniSettingsStore(const QString& filePath);

    static QString defaultFilePath();
    QString filePath() const;

    QString readText(const QString& key) const override;
    void writeText(const QString& key, const QString& value) override;
    int readProfileInt(const QString& section, const QString& key, int defaultValue) const override;
    void writeProfileInt(const QString& section, const QString& key, int value) override;

private:
    mutable QSettings m_settings;
};
