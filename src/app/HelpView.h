#pragma once

#include <QString>
#include <functional>
#include <utility>

class QUrl;
class QWidget;

// The browser inside the help window. The program uses a web engine view;
// tests put a light stand-in in its place.
class HelpView {
public:
    using FailureHandler = std::function<void()>;

    virtual ~HelpView() = default;

    virtual QWidget* widget() = 0;
    virtual void navigate(const QUrl& address) = 0;
    // Shows plain text in place of a page.
    virtual void showText(const QString& text) = 0;

    // Called when a page could not be loaded.
    void setFailureHandler(FailureHandler handler) { m_failure = std::move(handler); }

protected:
    void reportFailure() const {
        if (m_failure) {
            m_failure();
        }
    }

private:
    FailureHandler m_failure;
};
