// MainWindow: creation builds the Controller before the timers start; destruction stops them
// first.
#include "shell/MainWindow.h"

MainWindow::~MainWindow() {
    // A window closed by the platform without its destroy message still releases in order.
    controller.reset();
}

bool MainWindow::OnCreate() {
    exists = true;
    platform.window.Update();
    // Stored only when built: no message reaches a Controller still in mode 1.
    auto built = std::make_unique<Controller>(platform.window, platform);
    controller = std::move(built);
    for (int id = 1; id <= 3; ++id) platform.window.StartTimer(id, kTimerPeriods[id - 1]);
    return true;
}

void MainWindow::OnDestroy() {
    for (int id = 1; id <= 3; ++id) platform.window.StopTimer(id);
    controller.reset();
    exists = false;
}

void MainWindow::OnPaint(const Rect& update) {
    if (controller) controller->Paint(update.left, update.top, update.right, update.bottom);
}

void MainWindow::OnButtonDown(int32_t x, int32_t y) {
    if (controller) controller->ButtonDown(x, y);
}

void MainWindow::OnButtonUp(int32_t x, int32_t y) {
    if (controller) controller->ButtonUp(x, y);
}

void MainWindow::OnMouseMove(int32_t x, int32_t y) {
    if (controller) controller->MouseMove(x, y);
}

void MainWindow::OnTimer(int id) {
    if (controller) controller->Timer(id);
}

void MainWindow::OnIdle() {
    if (idleHook) idleHook();
}

void MainWindow::BeginModalState() { platform.window.SetEnabled(false); }

void MainWindow::EndModalState() { platform.window.SetEnabled(true); }
