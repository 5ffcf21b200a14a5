#include "app/WebEngineHelpView.h"

WebEngineHelpView::WebEngineHelpView(QWidget* parent) : QWebEngineView(parent) {}

void WebEngineHelpView::navigate(const QUrl& address) {
    load(address);
}
