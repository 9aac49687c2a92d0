// The pencil: a soft stroke from the press to the release, drawn with the raster library's
// brush into the texture.
#include "raster/PencilBrush.h"
#include "shell/Controller.h"
#include "workshop/PaintTools.h"

namespace {
// Names this workshop's strokes for the brush, which refuses a stroke under another name.
constexpr uint32_t kStrokeTag = 1;
}  // namespace

void PencilPress(Controller& c, int32_t tx, int32_t ty) {
    uint8_t* texture = c.view3d->paintTarget.textureBlock;
    // A brush that cannot be set up (size 0, no memory) stays inactive and paints nothing.
    if (PencilInit(c.pencilBrush, texture, 0, c.penThickness, c.penThickness, c.penDataDir) ==
        1)
        (void)PencilBegin(c.pencilBrush, texture, tx, ty, 255.0, kStrokeTag);
    c.dragActive = 1;
}

void PencilStroke(Controller& c, int32_t tx, int32_t ty, int32_t inflate) {
    Rect changed;
    if (PencilStrokeTo(c.pencilBrush, c.view3d->paintTarget.textureBlock, tx, ty, c.penOpacity,
                       255.0, c.paintColour, kStrokeTag, changed) != 1)
        return;
    changed.Inflate(inflate, inflate);
    ShowTexels(c, changed);
}

void PencilFinish(Controller& c) {
    const PaintTarget& t = c.view3d->paintTarget;
    if (c.pencilBrush.active != 0)
        (void)PencilEnd(c.pencilBrush, t.textureBlock, t.texelX, t.texelY, 255.0);
    (void)PencilRelease(c.pencilBrush);
    c.dragActive = 0;
    c.directPaint = 1;
    c.Invalidate(c.Layout().view);
}
