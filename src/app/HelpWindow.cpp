#include "app/HelpWindow.h"

#include "app/HelpView.h"
#include "app/WebEngineHelpView.h"

#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QUrl>

namespace {

DialogTemplate helpTemplate() {
    return {
        .number = HelpWindow::kTemplateNumber,
        .caption = QStringLiteral("Help"),
        .width = 320,
        .height = 260,
        .controls = {{.id = HelpWindow::kCloseId,
                      .kind = ControlKind::DefaultPushButton,
                      .text = QStringLiteral("&Close"),
                      .rect = {4, 4, 50, 14},
                      .style = StyleHidden}},
    };
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner, ViewFactory viewFactory)
    : ResizableDialog(kTemplateNumber, owner,
                      Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_viewFactory(std::move(viewFactory)) {
    buildControls(helpTemplate());
    // The browser covers the whole client area, grip corner included.
    setSizeGrip(false);
    setModal(false);
    if (auto* close = control<QPushButton>(kCloseId)) {
        connect(close, &QPushButton::clicked, this, &HelpWindow::accept);
    }
    // The web engine keeps the Escape key it does not use to itself, so the
    // window asks for it before the browser sees it.
    auto* escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &HelpWindow::reject);
}

HelpWindow::ViewFactory HelpWindow::webEngineView() {
    return [](QWidget* parent) -> HelpView* { return new WebEngineHelpView(parent); };
}

HelpBrowserFactory HelpWindow::factory() {
    return [](QWidget* parent) -> std::unique_ptr<HelpBrowser> {
        return std::make_unique<HelpWindow>(parent);
    };
}

void HelpWindow::navigateTo(const QString& address) {
    m_address = address;
    ensureView().navigate(QUrl(address));
}

void HelpWindow::showAndFocus() {
    showNormal();
    raise();
    activateWindow();
    ensureView().widget()->setFocus(Qt::OtherFocusReason);
}

void HelpWindow::hideWindow() {
    hide();
}

void HelpWindow::accept() {
    hide();
}

void HelpWindow::showEvent(QShowEvent* event) {
    ensureView();
    ResizableDialog::showEvent(event);
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    ResizableDialog::resizeEvent(event);
    fitView();
}

HelpView& HelpWindow::ensureView() {
    if (m_view == nullptr) {
        m_view = m_viewFactory(this);
        m_view->widget()->show();
        fitView();
    }
    return *m_view;
}

void HelpWindow::fitView() {
    if (m_view != nullptr) {
        m_view->widget()->setGeometry(rect());
    }
}
