// The colour adjustment. Each change is applied once, from a kept copy of the skin: taking the
// old shift back out and putting the new one in would pile up the round trip's losses and, for
// a slider left alone, shift the skin again.
#include "workshop/AdjustTool.h"

#include "graphics/View3D.h"
#include "raster/ColourAdjust.h"
#include "workshop/PanelKnobs.h"
#include "workshop/WorkshopPictures.h"

namespace {

constexpr TipRow kAdjustTips[] = {
    {21, "adjusth", "adjusth"}, {22, "adjusts", "adjusts"}, {23, "adjustl", "adjustl"}};

const Rect& Track(const ScreenLayout& l, int component) {
    return component == 0 ? l.adjusth : component == 1 ? l.adjusts : l.adjustl;
}

}  // namespace

int32_t AdjustTool::ShiftAt(const ScreenLayout& l, int component, int32_t x) {
    const Rect& r = Track(l, component);
    if (component == 0) return int32_t(double((x - r.left) * 200) / r.Width() - 100);
    return int32_t(double(x - r.left) / r.Width() * 200 - 100);
}

void AdjustTool::DrawPanel(ToolContext& c, const Rect& update) {
    DrawPanelBackground(c, c.pictures.adjustPanel, update);
    for (int i = 0; i < 3; ++i) {
        const Rect& track = Track(c.Layout(), i);
        DrawKnobOnTrack(c, c.pictures.adjustKnob, track,
                        track.left + int32_t(track.Width() * (shift[size_t(i)] + 100) * 0.005));
    }
}

bool AdjustTool::FollowSliders(ToolContext& c, int32_t x, int32_t y) {
    bool hit = false;
    for (int k = 0; k < 3; ++k) {
        const Rect& track = Track(c.Layout(), k);
        if (!track.Contains(x, y)) continue;
        shift[size_t(k)] = ShiftAt(c.Layout(), k, x);
        c.ShowSlider(track, 10, 0);
        hit = true;
    }
    return hit;
}

void AdjustTool::PressPanel(ToolContext& c, int32_t x, int32_t y) {
    if (FollowSliders(c, x, y)) c.flags.hold = Hold::drag;
}

void AdjustTool::DragPanel(ToolContext& c, int32_t x, int32_t y) {
    if (c.flags.hold == Hold::drag) FollowSliders(c, x, y);
}

void AdjustTool::Release(ToolContext& c, int32_t /*x*/, int32_t /*y*/) {
    if (c.flags.hold != Hold::drag) return;
    pending = true;
    c.flags.hold = Hold::none;
}

void AdjustTool::StepRecolour(ToolContext& c) {
    pending = false;
    if (shift == applied) return;
    View3D& v = c.View();
    constexpr int32_t side = View3D::kTextureSide;
    if (v.texture.Width() != side || v.texture.Height() != side) return;
    if (!baseTaken || baseEdits != c.flags.textureEdits) {
        base = v.texture.Clone();
        baseShift = applied;
        baseEdits = c.flags.textureEdits;
        baseTaken = !base.IsEmpty();
        if (!baseTaken) return;
    }
    if (base.CopyBlockTo(v.texture, 0, 0, side, side, 0, 0) != 1) return;
    if (AdjustHsv(v.texture.Block(), shift[0] - baseShift[0], shift[1] - baseShift[1],
                  shift[2] - baseShift[2]) != 1)
        return;
    applied = shift;
    c.Invalidate(c.Layout().canvas);
}

void AdjustTool::Reset() {
    shift = {};
    applied = {};
    pending = false;
    base = Dib();
    baseTaken = false;
}

std::span<const TipRow> AdjustTool::PanelTips() const { return kAdjustTips; }
