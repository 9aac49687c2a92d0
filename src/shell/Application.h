// Application: the one application object. It creates the main window over the primary
// display and keeps the idle hook that relays waiting mouse messages to the tooltips.
#pragma once

#include "shell/MainWindow.h"
#include "platform/Platform.h"

class Application {
public:
    explicit Application(Platform& platform);

    // Creates the main window (the Controller is built inside); false when that fails, and
    // the program then ends without a message.
    [[nodiscard]] bool Start();
    // The idle hook: runs whenever the queue has run empty. True while the window exists
    // (more idle time is wanted).
    bool OnIdle();

    [[nodiscard]] MainWindow& GetMainWindow() { return mainWindow; }

private:
    Platform& platform;
    MainWindow mainWindow;
};
