#include "app/WebEngineHelpView.h"

WebEngineHelpView::WebEngineHelpView(QWidget* parent) : QWebEngineView(parent) {
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (!ok) {
            reportFailure();
        }
    });
}

void WebEngineHelpView::navigate(const QUrl& address) {
    load(address);
}

void WebEngineHelpView::showText(const QString& text) {
    setHtml(QStringLiteral("<html><body><pre style=\"white-space: pre-wrap\">") +
            text.toHtmlEscaped() + QStringLiteral("</pre></body></html>"));
}
