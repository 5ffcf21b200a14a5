#include "platform/Platform.h"

#include "platform/IniSettingsStore.h"
#include "platform/QtPrompts.h"
#include "platform/XdgShell.h"

#include <utility>

namespace {

struct Installed {
    std::unique_ptr<Prompts> prompts;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Shell> shell;
};

Installed& installed() {
    static Installed services;
    return services;
}

template <typename Service, typename Desktop> Service& orDesktop(std::unique_ptr<Service>& slot) {
    if (!slot) {
        slot = std::make_unique<Desktop>();
    }
    return *slot;
}

} // namespace

Prompts& Platform::prompts() {
    return orDesktop<Prompts, QtPrompts>(installed().prompts);
}

SettingsStore& Platform::settings() {
    return orDesktop<SettingsStore, IniSettingsStore>(installed().settings);
}

Shell& Platform::shell() {
    return orDesktop<Shell, XdgShell>(installed().shell);
}

std::unique_ptr<Prompts> Platform::install(std::unique_ptr<Prompts> prompts) {
    return std::exchange(installed().prompts, std::move(prompts));
}

std::unique_ptr<SettingsStore> Platform::install(std::unique_ptr<SettingsStore> settings) {
    return std::exchange(installed().settings, std::move(settings));
}

std::unique_ptr<Shell> Platform::install(std::unique_ptr<Shell> shell) {
    return std::exchange(installed().shell, std::move(shell));
}

void Platform::installDesktop() {
    install(std::make_unique<QtPrompts>());
    install(std::make_unique<IniSettingsStore>());
    install(std::make_unique<XdgShell>());
}
