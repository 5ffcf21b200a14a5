#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

// The window in which the editor's pages show the registry's definition of a
// field. The program supplies the real window (a web view); the editor only
// knows this interface, and works without one.
class HelpBrowser {
public:
    virtual ~HelpBrowser() = default;

    virtual void navigateTo(const QString& address) = 0;
    // Shows the window in its normal state and gives it the keyboard focus.
    virtual void showAndFocus() = 0;
    virtual void hideWindow() = 0;
};

// Makes the help window of one editor, hidden. `parent` is the editor; the
// window may be its Qt child. The editor deletes the window before its own
// children go.
using HelpBrowserFactory = std::function<std::unique_ptr<HelpBrowser>(QWidget* parent)>;
