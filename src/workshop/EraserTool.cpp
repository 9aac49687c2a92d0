// The eraser.
#include "workshop/EraserTool.h"

#include <algorithm>

#include "graphics/View3D.h"
#include "workshop/SkinCanvas.h"

namespace {
constexpr TipRow kEraserTips[] = {{21, "erasesize", "erasesize"}};
}  // namespace

void EraserTool::SizeOnSkin(ToolContext& c, int32_t& w, int32_t& h) const {
    // 32 screen pixels square at full size, whatever the zoom.
    const SkinPlacement p = PlaceSkin(c.View(), c.Layout().canvas);
    w = int32_t(32.0 / p.sx * Size() * 0.01);
    h = int32_t(32.0 / p.sy * Size() * 0.01);
}

int32_t EraserTool::SizeOnModel(ToolContext& c) {
    const float zoom = c.View().canvasZoom > 0 ? c.View().canvasZoom : 1.0f;
    return int32_t(32.0f / zoom);
}

void EraserTool::EraseAt(ToolContext& c, int32_t tx, int32_t ty, int32_t w, int32_t h) {
    constexpr int32_t side = View3D::kTextureSide;
    if (tx < 0 || tx >= side || ty < 0 || ty >= side) return;
    const int32_t left = std::max(tx - w / 2, 0), top = std::max(ty - h / 2, 0);
    const int32_t right = std::min(tx + w / 2, side), bottom = std::min(ty + h / 2, side);
    if (right <= left || bottom <= top) return;
    if (c.View().EraseToSource({left, top, right, bottom})) c.ShowTexels({left, top, right, bottom});
}

void EraserTool::EraseOn(ToolContext& c, int32_t tx, int32_t ty, bool onModel) {
    int32_t w = 0, h = 0;
    if (onModel) {
        w = h = SizeOnModel(c);
    } else {
        SizeOnSkin(c, w, h);
    }
    EraseAt(c, tx, ty, w, h);
}

void EraserTool::Press(ToolContext& c, int32_t tx, int32_t ty, bool onModel) {
    EraseOn(c, tx, ty, onModel);
    c.flags.hold = Hold::drag;
    stroking = true;
}

void EraserTool::Drag(ToolContext& c, int32_t tx, int32_t ty, bool onModel) {
    if (c.flags.hold != Hold::drag || !stroking) return;
    EraseOn(c, tx, ty, onModel);
    if (onModel) c.Invalidate(c.Layout().view);
}

void EraserTool::Release(ToolContext& c, int32_t /*x*/, int32_t /*y*/) {
    c.flags.hold = Hold::none;
    stroking = false;
}

std::span<const TipRow> EraserTool::PanelTips() const { return kEraserTips; }
