#pragma once

#include <QSplashScreen>
#include <chrono>

// The borderless start-up picture, shown while the main window gets ready and
// hidden again by a timer on the user-interface thread.
class SplashWindow : public QSplashScreen {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kShowTime{3000};

    SplashWindow();

    // Shows the window now and hides it after `duration`.
    void showFor(std::chrono::milliseconds duration);
};
