#pragma once

#include "platform/MemorySettingsStore.h"
#include "platform/RecordingShell.h"
#include "platform/ScriptedPrompts.h"

#include <memory>

// Installs scripted prompts, an in-memory settings store and a recording shell
// for its lifetime, and puts back what was installed before. Answers that
// were queued but never used are reported as a failure when it ends.
//
//     TestPlatform platform;
//     platform.prompts().answerMessage(MessageAnswer::Yes);
class TestPlatform {
public:
    TestPlatform();
    ~TestPlatform();
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    ScriptedPrompts& prompts() { return *m_prompts; }
    MemorySettingsStore& settings() { return *m_settings; }
    RecordingShell& shell() { return *m_shell; }

private:
    // Declared first: the constructor fills them while installing the others.
    std::unique_ptr<Prompts> m_previousPrompts;
    std::unique_ptr<SettingsStore> m_previousSettings;
    std::unique_ptr<Shell> m_previousShell;
    ScriptedPrompts* m_prompts;
    MemorySettingsStore* m_settings;
    RecordingShell* m_shell;
};
