#include "platform/MemorySettingsStore.h"

QString MemorySettingsStore::readText(const QString& key) const {
    return m_texts.value(key);
}

void MemorySettingsStore::writeText(const QString& key, const QString& value) {
    m_texts.insert(key, value);
    ++m_writes;
}

int MemorySettingsStore::readProfileInt(const QString& section, const QString& key,
                                        int defaultValue) const {
    return m_profile.value(section).value(key, defaultValue);
}

void MemorySettingsStore::writeProfileInt(const QString& section, const QString& key, int value) {
    m_profile[section].insert(key, value);
    ++m_writes;
}

bool MemorySettingsStore::hasProfileInt(const QString& section, const QString& key) const {
    return m_profile.value(section).contains(key);
}
