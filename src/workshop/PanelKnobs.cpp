// Panel backgrounds, knobs and the size slider.
#include "workshop/PanelKnobs.h"

#include "graphics/DibDrawing.h"
#include "workshop/WorkshopPictures.h"

void DrawPanelBackground(ToolContext& c, const Dib& background, const Rect& update) {
    DrawControl(background, c.Device(), c.Layout().toolPanel, update);
}

void DrawKnob(ToolContext& c, Dib& knob, int32_t x, int32_t y) {
    if (knob.IsUsable()) DrawTransparent(knob, c.Device(), x, y);
}

void DrawKnobOnTrack(ToolContext& c, Dib& knob, const Rect& track, int32_t x) {
    DrawKnob(c, knob, x - knob.Width() / 2, track.CentreY() - knob.Height() / 2);
}

int32_t SizePercentAt(const ScreenLayout& l, int32_t x) {
    const Rect& r = l.erasesize;
    return (x - r.left) * 100 / r.Width();
}

void SizeSliderTool::DrawPanel(ToolContext& c, const Rect& update) {
    DrawPanelBackground(c, c.pictures.*background, update);
    const Rect& track = c.Layout().erasesize;
    DrawKnobOnTrack(c, c.pictures.*knob, track,
                    track.left + track.Width() * percent / 100);
}

bool SizeSliderTool::FollowSlider(ToolContext& c, int32_t x, int32_t y) {
    const Rect& track = c.Layout().erasesize;
    if (!track.Contains(x, y)) return false;
    percent = SizePercentAt(c.Layout(), x);
    c.ShowSlider(track, 10, 0);
    return true;
}

void SizeSliderTool::PressPanel(ToolContext& c, int32_t x, int32_t y) {
    if (FollowSlider(c, x, y)) c.flags.hold = Hold::drag;
}

void SizeSliderTool::DragPanel(ToolContext& c, int32_t x, int32_t y) {
    if (c.flags.hold == Hold::drag) FollowSlider(c, x, y);
}
