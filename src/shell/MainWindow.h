// MainWindow: the full-screen window's message handling. It owns the Controller, which exists
// only once its construction has finished: earlier messages get default handling only.
#pragma once

#include <functional>
#include <memory>

#include "platform/Window.h"
#include "shell/Controller.h"
#include "platform/Platform.h"

class MainWindow final : public WindowEvents {
public:
    static constexpr uint32_t kTimerPeriods[3] = {10, 100, 400};

    explicit MainWindow(Platform& platform) : platform(platform) {}
    ~MainWindow() override;

    bool OnCreate() override;
    void OnDestroy() override;
    void OnPaint(const Rect& update) override;
    void OnButtonDown(int32_t x, int32_t y) override;
    void OnButtonUp(int32_t x, int32_t y) override;
    void OnMouseMove(int32_t x, int32_t y) override;
    void OnTimer(int id) override;
    void OnIdle() override;

    // Modal boxes disable the window while open.
    void BeginModalState();
    void EndModalState();

    void SetIdleHook(std::function<void()> hook) { idleHook = std::move(hook); }
    [[nodiscard]] Controller* GetController() { return controller.get(); }
    [[nodiscard]] bool Exists() const { return exists; }

private:
    Platform& platform;
    std::unique_ptr<Controller> controller;
    std::function<void()> idleHook;
    bool exists = false;
};
