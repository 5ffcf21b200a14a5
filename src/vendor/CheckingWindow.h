#pragma once

#include <QDialog>

// The small modeless window shown while the upgrade page is fetched.
class CheckingWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateNumber = 812;
    static constexpr int kTextId = 1001;

    explicit CheckingWindow(QWidget* parent = nullptr);

    // Shows the window and lets it paint before the caller blocks.
    void showNow();
};
