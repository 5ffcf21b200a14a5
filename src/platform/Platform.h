#pragma once

#include <memory>

class Prompts;
class SettingsStore;
class Shell;

// The installed stand-ins for the desktop: prompts, settings store and shell.
// The program installs the desktop implementations at start-up, tests install
// scripted ones (TestPlatform). Until something is installed, the desktop
// implementations are created on first use.
//
// Only the user-interface thread uses these.
class Platform {
public:
    static Prompts& prompts();
    static SettingsStore& settings();
    static Shell& shell();

    // Each returns the implementation it replaces (empty when none was installed).
    static std::unique_ptr<Prompts> install(std::unique_ptr<Prompts> prompts);
    static std::unique_ptr<SettingsStore> install(std::unique_ptr<SettingsStore> settings);
    static std::unique_ptr<Shell> install(std::unique_ptr<Shell> shell);

    // The desktop implementations, installed at once.
    static void installDesktop();
};
