// The main of every GUI test program: a QApplication (offscreen unless the
// environment says otherwise) and the test stand-ins of the platform layer
// installed for the whole run, so no test can open a real dialog or touch the
// user's settings by accident.

#include "platform/ScriptedPrompts.h"
#include "platform/TestPlatform.h"

#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleMock(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ScriptedPrompts::setFailureHandler(
        [](const QString& description) { ADD_FAILURE() << description.toStdString(); });
    TestPlatform platform;
    return RUN_ALL_TESTS();
}
