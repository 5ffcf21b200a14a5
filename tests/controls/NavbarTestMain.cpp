// Widgets need one QApplication for the whole test run; gtest_main supplies main().
#include <QApplication>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        m_app = std::make_unique<QApplication>(m_argc, m_argv.data());
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    std::string m_name = "controls_tests";
    std::array<char*, 2> m_argv = {m_name.data(), nullptr};
    std::unique_ptr<QApplication> m_app;
};

// gtest owns registered environments.
[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
