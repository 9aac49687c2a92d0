// The spray: one puff of `paintColour` per press, fading from the centre to the rim.
#include "raster/SprayBrush.h"
#include "shell/Controller.h"
#include "workshop/PaintTools.h"

void SprayPress(Controller& c, int32_t tx, int32_t ty) {
    (void)SprayInit(c.sprayBrush, 3, c.penThickness, c.penThickness);
    Rect changed;
    if (SprayPaint(c.sprayBrush, c.view3d->paintTarget.textureBlock, tx, ty, c.penThickness,
                   c.penThickness, c.penOpacity, 255.0, c.paintColour, &changed) == 1)
        ShowTexels(c, changed);
    c.dragActive = 1;
}

void SprayFinish(Controller& c) {
    (void)SprayRelease(c.sprayBrush);
    c.dragActive = 0;
    c.directPaint = 1;
    c.Invalidate(c.Layout().view);
}
