#pragma once

class QUrl;
class QWidget;

// The browser inside the help window. The program uses a web engine view;
// tests put a light stand-in in its place.
class HelpView {
public:
    virtual ~HelpView() = default;

    virtual QWidget* widget() = 0;
    virtual void navigate(const QUrl& address) = 0;
};
