#include "platform/TestPlatform.h"

#include "platform/Platform.h"

#include <QString>

namespace {

// Installs `service` and hands back a pointer to it that stays valid while installed.
template <typename Concrete, typename Base> Concrete* installNew(std::unique_ptr<Base>& previous) {
    auto service = std::make_unique<Concrete>();
    Concrete* raw = service.get();
    previous = Platform::install(std::unique_ptr<Base>(std::move(service)));
    return raw;
}

} // namespace

TestPlatform::TestPlatform()
    : m_prompts(installNew<ScriptedPrompts>(m_previousPrompts)),
      m_settings(installNew<MemorySettingsStore>(m_previousSettings)),
      m_shell(installNew<RecordingShell>(m_previousShell)) {}

TestPlatform::~TestPlatform() {
    if (m_prompts->unusedAnswers() > 0) {
        ScriptedPrompts::reportFailure(QString::number(m_prompts->unusedAnswers()) +
                                       QStringLiteral(" scripted answers were never used"));
    }
    Platform::install(std::move(m_previousPrompts));
    Platform::install(std::move(m_previousSettings));
    Platform::install(std::move(m_previousShell));
}
