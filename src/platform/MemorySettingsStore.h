#pragma once

#include "platform/SettingsStore.h"

#include <QMap>

// Settings held in memory, for tests.
class MemorySettingsStore : public SettingsStore {
public:
    QString readText(const QString& key) const override;
    void writeText(const QString& key, const QString& value) override;
    int readProfileInt(const QString& section, const QString& key, int defaultValue) const override;
    void writeProfileInt(const QString& section, const QString& key, int value) override;

    bool hasText(const QString& key) const { return m_texts.contains(key); }
    bool hasProfileInt(const QString& section, const QString& key) const;
    int writeCount() const { return m_writes; }

private:
    QMap<QString, QString> m_texts;
    QMap<QString, QMap<QString, int>> m_profile;
    int m_writes = 0;
};
