#pragma once

#include "app/HelpView.h"

#include <QWebEngineView>

// The help window's browser: a web engine view.
class WebEngineHelpView : public QWebEngineView, public HelpView {
    Q_OBJECT
public:
    explicit WebEngineHelpView(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void navigate(const QUrl& address) override;
    void showText(const QString& text) override;
};
