// Protoscribe: an editor for clinical-trial protocol records.
//
//     protoscribe [collection.xml]

#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "editor/ProtocolEditor.h"
#include "names/NamesAndAddresses.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QStringList>
#include <optional>

int main(int argc, char** argv) {
    // The help window's web engine shares its drawing contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(
        names::kProductName.data(), static_cast<qsizetype>(names::kProductName.size())));
    QApplication::setApplicationVersion(QString::fromUtf8(
        names::kProductVersion.data(), static_cast<qsizetype>(names::kProductVersion.size())));
    Platform::installDesktop();
    ProtocolEditor::setHelpWindowFactory(HelpWindow::factory());

    // One optional argument: a collection file to open, as file managers pass it.
    const QStringList arguments = QApplication::arguments();
    std::optional<QString> file;
    if (arguments.size() > 1) {
        file = arguments.at(1);
    }

    MainWindow window;
    QObject::connect(&window, &QDialog::finished, &application, &QCoreApplication::quit);
    window.initialise(file);
    window.show();
    return QApplication::exec();
}
