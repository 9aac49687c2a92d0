// What the guided tours need of the program (TourHost) and of the screen they show (TourTarget).
// The tours draw the guide and the pointer straight onto the window and ask the screen to show a
// tool or the stamp chooser; they never write another object's fields.
#pragma once

#include <cstdint>

#include "base/Rect.h"
#include "tours/Tool.h"

class ScreenLayout;
class Surface;

class TourHost {
public:
    virtual ~TourHost() = default;
    [[nodiscard]] virtual const ScreenLayout& Layout() const = 0;
    // Marks a window area for repainting, without erasing.
    virtual void Invalidate(const Rect& r) = 0;
    // The window's device: the guide and the pointer are drawn here, outside painting.
    [[nodiscard]] virtual Surface& WindowDevice() = 0;
    // The tick count in milliseconds.
    [[nodiscard]] virtual uint32_t Ticks() const = 0;
};

// The screen a tour explains. A screen without tools ignores these.
class TourTarget {
public:
    virtual ~TourTarget() = default;
    // Shows the tool as chosen.
    virtual void ShowTool(Tool /*tool*/) {}
    // Shows the label of tool page 1 to 6 over the panel.
    virtual void ShowToolLabel(int32_t /*page*/) {}
    virtual void OpenStampChooser() {}
    virtual void CloseStampChooser() {}
    // The next paint of `area` starts from the backdrop, even where the screen would otherwise
    // paint straight over the window: the tour's pointer, drawn there outside painting, has gone.
    // A screen that always paints its backdrop ignores this.
    virtual void RestoreBackdrop(const Rect& /*area*/) {}
};
