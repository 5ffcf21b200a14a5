#pragma once

#include "editor/HelpBrowser.h"
#include "editor/ResizableDialog.h"

#include <functional>
#include <memory>

class HelpView;

// The help window: a resizable window filled by a browser, with a hidden
// "&Close" button that hides it. It is kept hidden until a page asks for it
// and lives as long as its owner. The browser is made when it is first
// needed, because starting a web engine is slow.
class HelpWindow : public ResizableDialog, public HelpBrowser {
    Q_OBJECT
public:
    static constexpr int kTemplateNumber = 150;
    static constexpr int kCloseId = 1;

    // Makes the browser as a child of the help window.
    using ViewFactory = std::function<HelpView*(QWidget* parent)>;

    explicit HelpWindow(QWidget* owner = nullptr, ViewFactory viewFactory = webEngineView());

    static ViewFactory webEngineView();
    // Makes the protocol editor's help windows.
    static HelpBrowserFactory factory();

    void navigateTo(const QString& address) override;
    void showAndFocus() override;
    void hideWindow() override;

    // The last address navigated to.
    QString address() const { return m_address; }
    // None until the browser was needed.
    HelpView* view() const { return m_view; }

    // What the window shows when the page at `address` could not be loaded.
    static QString unreachableText(const QString& address);

    // The hidden "&Close" button: hides the window.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    HelpView& ensureView();
    void fitView();

    ViewFactory m_viewFactory;
    HelpView* m_view = nullptr; // a child widget of this window
    QString m_address;
};
