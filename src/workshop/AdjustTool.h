// AdjustTool: the colour adjustment of the whole skin by hue, saturation and lightness, with a
// slider each. A release on a slider asks for the recolour, which the next 100 ms tick applies.
#pragma once

#include <array>

#include "graphics/Dib.h"
#include "workshop/PaintTool.h"

class AdjustTool final : public PaintTool {
public:
    [[nodiscard]] Tool Kind() const override { return Tool::adjust; }
    void DrawPanel(ToolContext& c, const Rect& update) override;
    void PressPanel(ToolContext& c, int32_t x, int32_t y) override;
    void DragPanel(ToolContext& c, int32_t x, int32_t y) override;
    void Release(ToolContext& c, int32_t x, int32_t y) override;
    [[nodiscard]] bool SliderAt(const ScreenLayout& l, int32_t x, int32_t y) const override {
        return l.toolPanel.Contains(x, y);
    }
    [[nodiscard]] std::span<const TipRow> PanelTips() const override;

    // The timer's step: the skin becomes the skin it started from adjusted once by the three
    // slider values. Painting since the last adjustment is kept: the skin as painted is then
    // where the next adjustment starts from.
    void StepRecolour(ToolContext& c);
    // A new model: the sliders go back to the middle.
    void Reset();

    [[nodiscard]] bool RecolourPending() const { return pending; }
    // The slider value for a pointer at x.
    [[nodiscard]] static int32_t ShiftAt(const ScreenLayout& l, int component, int32_t x);

private:
    // The slider under the point takes the point's value; true when there was one.
    bool FollowSliders(ToolContext& c, int32_t x, int32_t y);

    std::array<int32_t, 3> shift{};    // the sliders
    std::array<int32_t, 3> applied{};  // what the texture shows
    bool pending = false;
    // The texture before the adjustments of `applied` minus `baseShift`, taken when an
    // adjustment follows any other change of the texture.
    Dib base;
    std::array<int32_t, 3> baseShift{};
    uint32_t baseEdits = 0;
    bool baseTaken = false;
};
