#include "platform/RecordingShell.h"

int RecordingShell::open(const QString& target) {
    m_opened.append(target);
    return m_result;
}
