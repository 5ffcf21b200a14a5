#pragma once

#include <QString>

// The per-user settings: text values at the top level (the last file path, the
// date of the last upgrade check) and integer profile values in named sections
// (window sizes per dialog template).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // A missing value reads as empty text.
    virtual QString readText(const QString& key) const = 0;
    virtual void writeText(const QString& key, const QString& value) = 0;

    // A missing or non-numeric value reads as `defaultValue`.
    virtual int readProfileInt(const QString& section, const QString& key,
                               int defaultValue) const = 0;
    virtual void writeProfileInt(const QString& section, const QString& key, int value) = 0;
};
