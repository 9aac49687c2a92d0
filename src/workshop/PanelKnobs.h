// The pieces the tool panels are drawn and worked with: the panel's background, knobs on their
// sliders, and the size slider the eraser and the print panel share.
#pragma once

#include <cstdint>

#include "workshop/PaintTool.h"

#include "workshop/WorkshopPictures.h"

// A panel's background over `toolPanel`.
void DrawPanelBackground(ToolContext& c, const Dib& background, const Rect& update);
// A knob with its top-left at (x, y), white left out.
void DrawKnob(ToolContext& c, Dib& knob, int32_t x, int32_t y);
// A knob centred horizontally on x and vertically on the slider.
void DrawKnobOnTrack(ToolContext& c, Dib& knob, const Rect& track, int32_t x);

// The size slider (`erasesize`): percent from x; a press on it takes the value and holds the
// slider, a drag while held follows the pointer inside it.
[[nodiscard]] int32_t SizePercentAt(const ScreenLayout& l, int32_t x);

// A tool whose panel is the size slider over its own background, with its own knob; the value
// lives where the tool is told.
class SizeSliderTool : public PaintTool {
public:
    using Picture = Dib WorkshopPictures::*;
    SizeSliderTool(Picture background, Picture knob, int32_t& value)
        : background(background), knob(knob), percent(value) {}
    void DrawPanel(ToolContext& c, const Rect& update) override;
    void PressPanel(ToolContext& c, int32_t x, int32_t y) override;
    void DragPanel(ToolContext& c, int32_t x, int32_t y) override;
    [[nodiscard]] bool SliderAt(const ScreenLayout& l, int32_t x, int32_t y) const override {
        return l.erasesize.Contains(x, y);
    }
    [[nodiscard]] int32_t Size() const { return percent; }

private:
    // The slider takes the value at x when the point lies on it; true when it did.
    bool FollowSlider(ToolContext& c, int32_t x, int32_t y);

    Picture background;
    Picture knob;
    int32_t& percent;
};
