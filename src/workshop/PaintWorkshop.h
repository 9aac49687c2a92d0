// PaintWorkshop: the mode-3 screen. It paints the workshop's controls and panes and routes
// every press, move and release to the view modes, the tools, the panels and the model column.
#pragma once

#include <cstdint>

#include "shell/Screen.h"
#include "workshop/PaintTools.h"
#include "workshop/StampChooser.h"
#include "workshop/WorkshopPictures.h"

class PaintWorkshop final : public Screen {
public:
    explicit PaintWorkshop(Controller& controller);

    void Paint(const Rect& update) override;
    void ButtonDown(int32_t x, int32_t y) override;
    void MouseMove(int32_t x, int32_t y) override;
    void ButtonUp(int32_t x, int32_t y) override;

    [[nodiscard]] const StrokeState& Stroke() const { return stroke; }

private:
    // Painting.
    void DrawControls(const Rect& update);
    void DrawToolButtons(const Rect& update);
    void DrawModeButtons(const Rect& update);
    void DrawPanes(const Rect& update);

    // Button-down steps.
    void PressScreenButtons(int32_t x, int32_t y);
    void PressModelSlot(int32_t x, int32_t y);
    void PressToolButtons(int32_t x, int32_t y);
    void PressPanel(int32_t x, int32_t y);
    void PressChooserButtons(int32_t x, int32_t y);
    void PressViewModes(int32_t x, int32_t y);
    void SwapPanes();

    // Button-up steps.
    void ReleaseButtons(int32_t x, int32_t y);
    void ReleaseViewModes(int32_t x, int32_t y);
    void ReleaseStampChooser(int32_t x, int32_t y);
    void EnterFlightScreen();

    [[nodiscard]] bool ViewModeActive() const;
    void InvalidateToolButton(int32_t tool);

    Controller& c;
    WorkshopPictures pictures;
    StrokeState stroke;
    StampChooser chooser;
};
