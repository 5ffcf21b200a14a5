#include "vendor/CheckingWindow.h"

#include "controls/StyledControlFactory.h"
#include "platform/DialogBuilder.h"

#include <QCoreApplication>

namespace {

DialogTemplate checkingTemplate() {
    return {CheckingWindow::kTemplateNumber,
            QStringLiteral("Checking for any upgrades .."),
            190,
            34,
            {{CheckingWindow::kTextId,
              ControlKind::StaticText,
              QStringLiteral("Checking for new upgrades of the software .."),
              {12, 12, 166, 10}}}};
}

} // namespace

CheckingWindow::CheckingWindow(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    const StyledControlFactory factory;
    DialogBuilder(factory).build(this, checkingTemplate());
    setFixedSize(size());
}

void CheckingWindow::showNow() {
    show();
    // The fetch that follows blocks this thread; input stays queued for later.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
