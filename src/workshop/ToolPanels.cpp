// The tool panels: each copies its background's part of the update, then draws its knobs.
#include "workshop/ToolPanels.h"

#include <algorithm>
#include <cmath>

#include "graphics/DibDrawing.h"
#include "shell/Controller.h"
#include "workshop/StampPicture.h"
#include "workshop/WorkshopPictures.h"

namespace {

void Knob(Controller& c, Dib& knob, int32_t x, int32_t y) {
    if (knob.IsUsable()) (void)DrawTransparent(knob, c.clientDc, x, y);
}

// A knob centred horizontally on x and vertically on the slider.
void KnobOnTrack(Controller& c, Dib& knob, const Rect& track, int32_t x) {
    Knob(c, knob, x - knob.Width() / 2, track.CentreY() - knob.Height() / 2);
}

void PencilPanel(Controller& c, WorkshopPictures& p, const Rect& update) {
    const ScreenLayout& l = c.Layout();
    Rect swatch;
    if (Intersect(l.colourSwatch, update, swatch))
        c.clientDc.Fill(swatch, WindowPixelOf(c.paintColour));
    Dib& knob = p.tc[5];
    Knob(c, knob, l.thick.left,
         l.thick.bottom - knob.Height() / 2 - l.thick.Height() * c.penThickness / 24);
    Knob(c, knob, l.colortrans.left,
         l.colortrans.bottom - l.colortrans.Height() * c.penOpacity / 256);
    DrawChartMarker(c, p, c.pickX, c.pickY, update);
}

void AdjustPanel(Controller& c, WorkshopPictures& p) {
    const ScreenLayout& l = c.Layout();
    const Rect* tracks[3] = {&l.adjusth, &l.adjusts, &l.adjustl};
    const int32_t values[3] = {c.hueShift, c.saturationShift, c.lightnessShift};
    for (int i = 0; i < 3; ++i)
        KnobOnTrack(c, p.tc[9], *tracks[i],
                    tracks[i]->left + int32_t(tracks[i]->Width() * (values[i] + 100) * 0.005));
}

// The stamp in use, turned as it will be laid, fitted into `rolepic` over the panel.
void StampPreview(Controller& c, WorkshopPictures& p, const Rect& update) {
    const ScreenLayout& l = c.Layout();
    const Rect& box = l.rolepic;
    if (!Meets(box, update) || c.stampImage.IsEmpty()) return;
    Dib back = Dib::CreateBlank(box.Width(), box.Height());
    if (back.IsEmpty()) return;
    (void)p.tc[3].CopyBlockTo(back, 0, 0, box.Width(), box.Height(), box.left - l.toolPanel.left,
                              box.top - l.toolPanel.top);
    // Fitted by its diagonal, so that no angle makes it spill over the box.
    const double diagonal = std::hypot(c.stampImage.Width(), c.stampImage.Height());
    const float scale = float(std::min(box.Width(), box.Height()) / std::max(diagonal, 1.0));
    const StampBlocks stamp = MakeStampBlocks(c.stampImage, c.stampMask, scale, c.stampAngle);
    CompositeRequest placement;
    if (stamp.picture)
        (void)LayStamp(back.Block(), stamp, box.Width() / 2, box.Height() / 2, placement);
    (void)DrawControl(back, c.clientDc, box, update);
}

void StampPanel(Controller& c, WorkshopPictures& p, const Rect& update) {
    const ScreenLayout& l = c.Layout();
    StampPreview(c, p, update);
    Knob(c, p.tc[7], l.rolerotate.left,
         l.rolerotate.top + int32_t(l.rolerotate.Height() * c.stampAngle * 0.1592356f));
    Knob(c, p.tc[7], l.rolesize.left,
         l.rolesize.top + int32_t(l.rolesize.Height() * c.stampScale));
}

void SizePanel(Controller& c, Dib& knob, int32_t percent) {
    const Rect& track = c.Layout().erasesize;
    KnobOnTrack(c, knob, track, track.left + track.Width() * percent / 100);
}

}  // namespace

void DrawToolPanel(Controller& c, WorkshopPictures& p, const Rect& update) {
    static constexpr int kBackground[7] = {0, 1, 1, 3, 10, 4, 2};
    if (c.tool < 1 || c.tool > 6) return;
    const Rect& panel = c.Layout().toolPanel;
    if (!Meets(panel, update)) return;
    (void)DrawControl(p.tc[size_t(kBackground[c.tool])], c.clientDc, panel, update);
    switch (c.tool) {
        case 1:
        case 2: PencilPanel(c, p, update); break;
        case 3: StampPanel(c, p, update); break;
        case 4: SizePanel(c, p.tc[6], c.eraseSize); break;
        case 5: AdjustPanel(c, p); break;
        case 6: SizePanel(c, p.tc[8], c.printSize); break;
        default: break;
    }
}
