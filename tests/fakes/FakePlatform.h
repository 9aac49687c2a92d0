// FakePlatform: every port faked, and a working folder that stands for ROOT/Diy, so the
// Controller and the screens run with no display.
#pragma once

#include <memory>
#include <string>

#include "fakes/FakePorts.h"
#include "fakes/FakeWindow.h"
#include "fakes/FakePrinter.h"
#include "fakes/FakeWorkFiles.h"
#include "platform/Platform.h"
#include "support/TempDir.h"

struct FakePlatform {
    explicit FakePlatform(int32_t width = 1024, int32_t height = 768,
                          const std::string& commandLine = "zephine-program e0")
        : window(width, height),
          platform{window, clock, cursors, tips, boxes, launcher, {}, commandLine} {
        platform.environment.currentFolder = dir.Path();
        platform.environment.systemFolder = dir.Path();
        platform.environment.dataFolder = dir.Path() + "/data";
        platform.workFiles = &files;
        platform.printer = &printer;
    }
    // The face folder of a program started on its own in dir.
    [[nodiscard]] std::string FaceDir() const { return dir.Path() + "/Face/"; }

    TempDir dir;
    FakeWindow window;
    FakeClock clock;
    FakeCursors cursors;
    FakeTipWindow tips;
    FakeMessageBoxes boxes;
    FakeLauncherLink launcher;
    FakeWorkFiles files;
    FakePrinter printer;
    Platform platform;
};
