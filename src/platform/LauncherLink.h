// LauncherLink port: the launcher program's windows, when the program was started by one.
#pragma once

class LauncherLink {
public:
    virtual ~LauncherLink() = default;
    // True when the launcher's backdrop window exists.
    [[nodiscard]] virtual bool Find() = 0;
    // Hides and disables the launcher's window under the desktop's centre.
    virtual void HideUnderCentre() = 0;
    // Shows the launcher's window again and brings it to the top; false when there is no
    // launcher (then nothing is written for it either).
    [[nodiscard]] virtual bool HandBack() = 0;
};

// Linux has no launcher: the program always runs as started on its own.
class NoLauncher final : public LauncherLink {
public:
    bool Find() override { return false; }
    void HideUnderCentre() override {}
    bool HandBack() override { return false; }
};
