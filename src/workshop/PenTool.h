// PenTool: what the pencil and the spray share: the colour, thickness and opacity they paint
// with, and their panel with the colour chart and the two sliders.
#pragma once

#include <cstdint>

#include "workshop/PaintTool.h"

struct PenSettings {
    uint32_t colour = 0;  // 0x00BBGGRR
    int32_t thickness = 12;
    int32_t opacity = 255;
    int32_t pickX = 0;  // where the chart's marker stands
    int32_t pickY = 0;
};

class PenTool : public PaintTool {
public:
    explicit PenTool(PenSettings& pen) : pen(pen) {}

    [[nodiscard]] bool Paints() const override { return true; }
    void DrawPanel(ToolContext& c, const Rect& update) override;
    void PressPanel(ToolContext& c, int32_t x, int32_t y) override;
    void DragPanel(ToolContext& c, int32_t x, int32_t y) override;
    [[nodiscard]] std::span<const TipRow> PanelTips() const override;

protected:
    // The brush is made again at the next press, with the new size.
    virtual void DropBrush() = 0;

    PenSettings& pen;
};

// The slider values for a point.
[[nodiscard]] int32_t ThicknessAt(const ScreenLayout& l, int32_t y);
[[nodiscard]] int32_t OpacityAt(const ScreenLayout& l, int32_t y);
// The colour chart's marker, inverted onto the window centred on (x, y), only inside `clip`: a
// second draw at the same place takes it away again.
void DrawChartMarker(ToolContext& c, int32_t x, int32_t y, const Rect& clip);
// 0x00BBGGRR (the tools' colour) from and to the window's 0x00RRGGBB.
[[nodiscard]] uint32_t ColourRefOf(uint32_t windowPixel);
[[nodiscard]] uint32_t WindowPixelOf(uint32_t colourRef);
