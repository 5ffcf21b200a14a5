#pragma once

#include "platform/Shell.h"

#include <QStringList>

// A shell for tests: remembers what it was asked to open and answers a fixed result.
class RecordingShell : public Shell {
public:
    int open(const QString& target) override;

    const QStringList& opened() const { return m_opened; }
    void setResult(int result) { m_result = result; }

private:
    QStringList m_opened;
    int m_result = ShellResult::Success;
};
