// The spray.
#include "workshop/SprayTool.h"

#include "graphics/View3D.h"

SprayTool::~SprayTool() { SprayRelease(brush); }

void SprayTool::Press(ToolContext& c, int32_t tx, int32_t ty, bool /*onModel*/) {
    // A pattern that cannot be built (no memory) paints nothing.
    const bool ready = SprayInit(brush, 3, pen.thickness, pen.thickness) == 1;
    Rect changed;
    if (ready && SprayPaint(brush, c.View().paintTarget.textureBlock, tx, ty, pen.thickness, pen.thickness,
                   pen.opacity, 255.0, pen.colour, &changed) == 1)
        c.ShowTexels(changed);
    c.flags.hold = Hold::drag;
}

void SprayTool::Release(ToolContext& c, int32_t /*x*/, int32_t /*y*/) {
    SprayRelease(brush);
    c.flags.hold = Hold::none;
    c.flags.directPaint = true;
    c.Invalidate(c.Layout().view);
}

void SprayTool::PutDown(ToolContext& /*c*/) { SprayRelease(brush); }

void SprayTool::DropBrush() { SprayRelease(brush); }
