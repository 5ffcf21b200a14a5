#include "platform/IniSettingsStore.h"

#include <QStandardPaths>

namespace {

const QString kProduct = QStringLiteral("Protoscribe");

QString profileKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(defaultFilePath()) {}

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : m_settings(filePath, QSettings::IniFormat) {}

QString IniSettingsStore::defaultFilePath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QLatin1Char('/') + kProduct + QLatin1Char('/') + kProduct +
           QStringLiteral(".ini");
}

QString IniSettingsStore::filePath() const {
    return m_settings.fileName();
}

QString IniSettingsStore::readText(const QString& key) const {
    m_settings.sync();
    return m_settings.value(key).toString();
}

void IniSettingsStore::writeText(const QString& key, const QString& value) {
    m_settings.setValue(key, value);
    m_settings.sync();
}

int IniSettingsStore::readProfileInt(const QString& section, const QString& key,
                                     int defaultValue) const {
    m_settings.sync();
    bool ok = false;
    const int value = m_settings.value(profileKey(section, key)).toString().toInt(&ok);
    return ok ? value : defaultValue;
}

void IniSettingsStore::writeProfileInt(const QString& section, const QString& key, int value) {
    m_settings.setValue(profileKey(section, key), value);
    m_settings.sync();
}
