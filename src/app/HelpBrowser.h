#pragma once

#include <QString>
#include <functional>
#include <utility>

class QWidget;

// The window in which the protocol editor shows the registry's definition of
// a data element. The program installs a factory at start-up; whoever needs a
// help window asks for one with create().
class HelpBrowser {
public:
    virtual ~HelpBrowser() = default;

    virtual void navigateTo(const QString& address) = 0;
    // Shows the window in its normal state and gives it the keyboard focus.
    virtual void showAndFocus() = 0;

    // Makes a hidden help window owned by `owner`: it is destroyed with it.
    using Factory = std::function<HelpBrowser*(QWidget* owner)>;

    static void setFactory(Factory factory) { factory_() = std::move(factory); }
    // None when no factory is installed.
    static HelpBrowser* create(QWidget* owner) { return factory_() ? factory_()(owner) : nullptr; }

private:
    static Factory& factory_() {
        static Factory factory;
        return factory;
    }
};
