// The panel sliders: values from the pointer, with the invalidation each slider needs.
#include "workshop/ToolSliders.h"

#include "raster/PencilBrush.h"
#include "raster/SprayBrush.h"
#include "shell/Controller.h"

namespace {

const Rect& ShiftTrack(const Controller& c, int component) {
    const ScreenLayout& l = c.Layout();
    return component == 0 ? l.adjusth : component == 1 ? l.adjusts : l.adjustl;
}

int32_t& ShiftField(Controller& c, int component) {
    return component == 0 ? c.hueShift : component == 1 ? c.saturationShift : c.lightnessShift;
}

int32_t& PreviousShiftField(Controller& c, int component) {
    return component == 0 ? c.prevHueShift
                          : component == 1 ? c.prevSaturationShift : c.prevLightnessShift;
}

void ShowSlider(Controller& c, Rect r, int32_t dx, int32_t dy) {
    r.Inflate(dx, dy);
    c.directPaint = 1;
    c.Invalidate(r);
}

void PressPenSliders(Controller& c, int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    const bool thick = l.thick.Contains(x, y), opacity = l.colortrans.Contains(x, y);
    if (!thick && !opacity) return;
    if (thick) c.penThickness = ThicknessAt(c, y);
    if (opacity) c.penOpacity = OpacityAt(c, y);
    // The brushes are made again at the next press with the new size.
    (void)PencilRelease(c.pencilBrush);
    (void)SprayRelease(c.sprayBrush);
    c.dragActive = 1;
    ShowSlider(c, thick ? l.thick : l.colortrans, 5, 10);
}

void PressStampSliders(Controller& c, int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if (l.rolerotate.Contains(x, y)) {
        c.stampAngle = float(y - l.rolerotate.top) * 6.28f / float(l.rolerotate.Height());
        c.dragActive = 1;
        ShowSlider(c, l.rolerotate, 5, 10);
    }
    if (l.rolesize.Contains(x, y)) {
        c.stampScale = float(y - l.rolesize.top) / float(l.rolesize.Height());
        c.dragActive = 2;
        ShowSlider(c, l.rolesize, 5, 10);
    }
}

}  // namespace

int32_t ThicknessAt(const Controller& c, int32_t y) {
    const Rect& r = c.Layout().thick;
    return (r.bottom - y) * 24 / r.Height();
}

int32_t OpacityAt(const Controller& c, int32_t y) {
    const Rect& r = c.Layout().colortrans;
    return (r.bottom - y) * 255 / r.Height();
}

int32_t ShiftAt(const Controller& c, int component, int32_t x) {
    const Rect& r = ShiftTrack(c, component);
    if (component == 0) return int32_t(double((x - r.left) * 200) / r.Width() - 100);
    return int32_t(double(x - r.left) / r.Width() * 200 - 100);
}

int32_t SizePercentAt(const Controller& c, int32_t x) {
    const Rect& r = c.Layout().erasesize;
    return (x - r.left) * 100 / r.Width();
}

void PressToolSliders(Controller& c, int32_t x, int32_t y) {
    if (c.tool == 1 || c.tool == 2) PressPenSliders(c, x, y);
    if (c.tool == 5) {
        for (int k = 0; k < 3; ++k) {
            if (!ShiftTrack(c, k).Contains(x, y)) continue;
            PreviousShiftField(c, k) = ShiftField(c, k);
            ShiftField(c, k) = ShiftAt(c, k, x);
            c.dragActive = 1;
            ShowSlider(c, ShiftTrack(c, k), 10, 0);
        }
    }
    if (c.tool == 3) PressStampSliders(c, x, y);
    if ((c.tool == 4 || c.tool == 6) && c.Layout().erasesize.Contains(x, y)) {
        (c.tool == 4 ? c.eraseSize : c.printSize) = SizePercentAt(c, x);
        c.dragActive = 1;
        ShowSlider(c, c.Layout().erasesize, 10, 0);
    }
}

void DragToolSliders(Controller& c, int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if ((c.tool == 1 || c.tool == 2) && c.dragActive == 1) {
        if (l.thick.Contains(x, y)) {
            c.penThickness = std::max(ThicknessAt(c, y), 1);
            ShowSlider(c, l.thick, 5, 8);
        }
        if (l.colortrans.Contains(x, y)) {
            c.penOpacity = OpacityAt(c, y);
            ShowSlider(c, l.colortrans, 5, 10);
        }
    }
    if (c.tool == 5 && c.dragActive == 1) {
        for (int k = 0; k < 3; ++k) {
            if (!ShiftTrack(c, k).Contains(x, y)) continue;
            ShiftField(c, k) = ShiftAt(c, k, x);
            ShowSlider(c, ShiftTrack(c, k), 10, 0);
        }
    }
    if (c.tool == 3 && c.dragActive > 0) {
        if (l.rolerotate.Contains(x, y)) {
            c.stampAngle = float(y - l.rolerotate.top) * 6.28f / float(l.rolerotate.Height());
            ShowSlider(c, l.rolerotate, 5, 10);
        }
        if (l.rolesize.Contains(x, y)) {
            c.stampScale = float(y - l.rolesize.top) / float(l.rolesize.Height());
            if (c.stampScale <= 0.1f) c.stampScale = 0.1f;
            ShowSlider(c, l.rolesize, 5, 10);
        }
    }
    if ((c.tool == 4 || c.tool == 6) && c.dragActive == 1 && l.erasesize.Contains(x, y)) {
        (c.tool == 4 ? c.eraseSize : c.printSize) = SizePercentAt(c, x);
        ShowSlider(c, l.erasesize, 10, 0);
    }
}
