// The pencil.
#include "workshop/PencilTool.h"

#include <cstdlib>

#include "graphics/View3D.h"

namespace {
// Names this workshop's strokes for the brush, which refuses a stroke under another name.
constexpr uint32_t kStrokeTag = 1;
// Beyond this many texels from the last point a 3D drag has crossed a seam of the skin.
constexpr int32_t kSeamJump = 60;
}  // namespace

PencilTool::~PencilTool() { PencilRelease(brush); }

void PencilTool::Press(ToolContext& c, int32_t tx, int32_t ty, bool /*onModel*/) {
    uint8_t* texture = c.View().paintTarget.textureBlock;
    // A brush that cannot be set up (size 0, no memory) stays inactive and paints nothing.
    const InstallPaths& paths = c.host.Paths();
    if (PencilInit(brush, texture, 0, pen.thickness, pen.thickness,
                   {paths.penDataDir, paths.penCacheDir}) != 1 ||
        PencilBegin(brush, texture, tx, ty, 255.0, kStrokeTag) != 1)
        PencilRelease(brush);
    c.flags.hold = Hold::drag;
    stroking = true;
    lastX = tx;
    lastY = ty;
}

void PencilTool::Drag(ToolContext& c, int32_t tx, int32_t ty, bool onModel) {
    if (c.flags.hold != Hold::drag || !stroking) return;
    PaintTarget& t = c.View().paintTarget;
    if (!onModel) {
        StrokeTo(c, tx, ty, 10);
        return;
    }
    if (std::abs(tx - lastX) >= kSeamJump || std::abs(ty - lastY) >= kSeamJump) {
        // Another part of the skin: no line across the texture; wait for the pointer to return.
        t.texelX = lastX;
        t.texelY = lastY;
        return;
    }
    StrokeTo(c, tx, ty, 10);
    t.fullRedraw = false;
    c.Invalidate(c.Layout().view);
}

void PencilTool::StrokeTo(ToolContext& c, int32_t tx, int32_t ty, int32_t inflate) {
    lastX = tx;
    lastY = ty;
    Rect changed;
    if (PencilStrokeTo(brush, c.View().paintTarget.textureBlock, tx, ty, pen.opacity, 255.0,
                       pen.colour, kStrokeTag, changed) != 1)
        return;
    changed.Inflate(inflate, inflate);
    c.ShowTexels(changed);
}

// Every release ends the stroke and lets go of a held slider.
void PencilTool::Release(ToolContext& c, int32_t /*x*/, int32_t /*y*/) {
    if (brush.active != 0)
        PencilEnd(brush, c.View().paintTarget.textureBlock, lastX, lastY, 255.0);
    PencilRelease(brush);
    stroking = false;
    c.flags.hold = Hold::none;
    c.flags.directPaint = true;
    c.Invalidate(c.Layout().view);
}

void PencilTool::PutDown(ToolContext& /*c*/) {
    PencilRelease(brush);
    stroking = false;
}

void PencilTool::DropBrush() { PencilRelease(brush); }
