// Application start and the idle hook.
#include "shell/Application.h"

#include "platform/LauncherLink.h"

Application::Application(Platform& p) : platform(p), mainWindow(p) {
    mainWindow.SetIdleHook([this] { OnIdle(); });
}

bool Application::Start() {
    int32_t cx = 0, cy = 0;
    if (!platform.window.DisplaySize(cx, cy)) return false;
    if (platform.launcher.Find()) platform.launcher.HideUnderCentre();
    return platform.window.Create({0, 0, cx, cy}, "Zephine", mainWindow);
}

bool Application::OnIdle() {
    if (Controller* controller = mainWindow.GetController()) {
        controller->RelayWaitingMessage();
    }
    return mainWindow.Exists();
}
