// The stamp tool: making a stamp ready, laying it, its panel and its chooser.
#include "workshop/StampTool.h"

#include <algorithm>
#include <cmath>

#include "graphics/DibDrawing.h"
#include "graphics/View3D.h"
#include "raster/BitmapBlock.h"
#include "raster/StampComposite.h"
#include "raster/StampRotation.h"
#include "raster/StampScaling.h"
#include "workshop/PanelKnobs.h"
#include "workshop/StampPicture.h"
#include "workshop/WorkshopPictures.h"

namespace {

constexpr TipRow kStampTips[] = {
    {21, "rolerotate", "rolerotate"}, {22, "rolesize", "rolesize"}, {23, "rolepic", "rolepic"}};
constexpr TipRow kChooserTips[] = {
    {21, "roleup", "chooserUp"}, {22, "roledn", "chooserDown"}, {23, "roleqt", "roleqt"}};

// The turn and the size the sliders give at height y.
float AngleAt(const ScreenLayout& l, int32_t y) {
    return float(y - l.rolerotate.top) * 6.28f / float(l.rolerotate.Height());
}
float ScaleAt(const ScreenLayout& l, int32_t y) {
    return float(y - l.rolesize.top) / float(l.rolesize.Height());
}

}  // namespace

StampBlocks MakeStampBlocks(const Dib& image, const Dib& mask, float scale, float angle) {
    StampBlocks out;
    if (image.IsEmpty() || mask.IsEmpty()) return out;
    const int32_t w = int32_t(float(image.Width()) * scale);
    const int32_t h = int32_t(float(image.Height()) * scale);
    OwnedBlock picture = CreateBitmapBlock(image.BitsPerPixel() == 24, w, h, nullptr, 0);
    OwnedBlock cover = CreateBitmapBlock(mask.BitsPerPixel() == 24, w, h, nullptr, 0);
    if (!picture || !cover) return out;
    if (StretchCopy(picture.get(), 0, 0, w, h, image.Block(), 0, 0, image.Width(),
                    image.Height()) != 1 ||
        StretchCopy(cover.get(), 0, 0, w, h, mask.Block(), 0, 0, mask.Width(), mask.Height()) !=
            1)
        return out;
    // A turn that cannot be made keeps the block as it was: the stamp is laid unturned.
    RotateBlock(picture, angle, 0);
    RotateMask(cover, angle, 0);
    out.width = BlockWidth(cover.get());
    out.height = BlockHeight(cover.get());
    CropCentred(picture, out.width, out.height);
    out.picture = std::move(picture);
    out.mask = std::move(cover);
    return out;
}

void LayStamp(uint8_t* destination, const StampBlocks& stamp, int32_t cx, int32_t cy,
              CompositeRequest& placement) {
    placement = CompositeRequest{};
    placement.destination = destination;
    placement.destX = cx - stamp.width / 2;
    placement.destY = cy - stamp.height / 2;
    placement.picture = stamp.picture.get();
    placement.mask = stamp.mask.get();
    placement.widthLimit = stamp.width;
    placement.heightLimit = stamp.height;
    // A stamp whose corner lies above and left of the picture is not laid at all.
    if (placement.destX < 0 && placement.destY < 0) return;
    CompositeThroughMask(placement);
}

void StampTool::LoadFirstStamp(const PathString& picLibDir) {
    image = Dib::LoadFromFile(StampChooser::StampFile(picLibDir, "bmp", 1));
    mask = Dib::LoadFromFile(StampChooser::StampFile(picLibDir, "msk", 1));
}

void StampTool::Press(ToolContext& c, int32_t tx, int32_t ty, bool /*onModel*/) {
    View3D& v = c.View();
    if (!v.texture.IsUsable()) return;
    const StampBlocks stamp = MakeStampBlocks(image, mask, scale, angle);
    if (!stamp.picture || !stamp.mask) return;
    constexpr int32_t side = View3D::kTextureSide;
    // Laid into a copy; only the stamp's own rectangle goes back into the texture.
    Dib copy = Dib::CreateBlank(side, side);
    if (v.texture.CopyBlockTo(copy, 0, 0, side, side, 0, 0) != 1) return;
    CompositeRequest placement;
    LayStamp(copy.Block(), stamp, tx, ty, placement);
    const Rect placed{placement.destX, placement.destY, placement.destX + stamp.width,
                      placement.destY + stamp.height};
    Rect inside;
    if (!Intersect(placed, {0, 0, side, side}, inside)) return;
    if (copy.CopyBlockTo(v.texture, inside.left, inside.top, inside.Width(), inside.Height(),
                         inside.left, inside.top) != 1)
        return;
    c.flags.directPaint = true;
    c.ShowTexels(inside);
}

// The stamp in use, turned as it will be laid, fitted into `rolepic` over the panel.
void StampTool::DrawPreview(ToolContext& c, const Rect& update) {
    const ScreenLayout& l = c.Layout();
    const Rect& box = l.rolepic;
    if (!Meets(box, update) || image.IsEmpty()) return;
    Dib back = Dib::CreateBlank(box.Width(), box.Height());
    if (back.IsEmpty()) return;
    c.pictures.stampPanel.CopyBlockTo(back, 0, 0, box.Width(), box.Height(),
                                            box.left - l.toolPanel.left, box.top - l.toolPanel.top);
    // Fitted by its diagonal, so that no angle makes it spill over the box.
    const double diagonal = std::hypot(image.Width(), image.Height());
    const float fit = float(std::min(box.Width(), box.Height()) / std::max(diagonal, 1.0));
    const StampBlocks stamp = MakeStampBlocks(image, mask, fit, angle);
    CompositeRequest laid;
    if (stamp.picture) LayStamp(back.Block(), stamp, box.Width() / 2, box.Height() / 2, laid);
    DrawControl(back, c.Device(), box, update);
}

void StampTool::DrawPanel(ToolContext& c, const Rect& update) {
    const ScreenLayout& l = c.Layout();
    DrawPanelBackground(c, c.pictures.stampPanel, update);
    DrawPreview(c, update);
    Dib& knob = c.pictures.stampKnob;
    DrawKnob(c, knob, l.rolerotate.left,
             l.rolerotate.top + int32_t(l.rolerotate.Height() * angle * 0.1592356f));
    DrawKnob(c, knob, l.rolesize.left, l.rolesize.top + int32_t(l.rolesize.Height() * scale));
}

void StampTool::PressPanel(ToolContext& c, int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if (l.rolerotate.Contains(x, y)) {
        angle = AngleAt(l, y);
        c.flags.hold = Hold::drag;
        c.ShowSlider(l.rolerotate, 5, 10);
    }
    if (l.rolesize.Contains(x, y)) {
        scale = ScaleAt(l, y);
        c.flags.hold = Hold::stampSize;
        c.ShowSlider(l.rolesize, 5, 10);
    }
    if (chooserOpen) PressChooserButtons(c, x, y);
}

void StampTool::PressChooserButtons(ToolContext& c, int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    const Rect* button = nullptr;
    if (l.chooserUp.Contains(x, y) && chooser.Turn(-1)) {
        button = &l.chooserUp;
    } else if (l.chooserDown.Contains(x, y) && chooser.Turn(1)) {
        button = &l.chooserDown;
    } else if (l.roleqt.Contains(x, y)) {
        button = &l.roleqt;
    }
    if (button == nullptr) return;
    chooser.armed = true;
    chooser.pressX = x;
    chooser.pressY = y;
    c.flags.directPaint = true;
    c.Invalidate(*button);
}

void StampTool::DragPanel(ToolContext& c, int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if (c.flags.hold == Hold::none) return;
    if (l.rolerotate.Contains(x, y)) {
        angle = AngleAt(l, y);
        c.ShowSlider(l.rolerotate, 5, 10);
    }
    if (l.rolesize.Contains(x, y)) {
        scale = std::max(ScaleAt(l, y), 0.1f);
        c.ShowSlider(l.rolesize, 5, 10);
    }
}

void StampTool::Release(ToolContext& c, int32_t x, int32_t y) {
    if (c.flags.hold != Hold::none) {
        if (c.flags.hold == Hold::drag) {
            c.flags.directPaint = true;
            c.Invalidate(c.Layout().rolepic);
        }
        c.flags.hold = Hold::none;
    }
    ReleaseChooser(c, x, y);
}

void StampTool::ReleaseChooser(ToolContext& c, int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if (!chooserOpen) {
        if (l.rolepic.Contains(x, y)) OpenChooser(c);
        return;
    }
    if (l.stampBox.Contains(x, y) && chooser.Choose(c, x, y, image, mask)) {
        c.flags.directPaint = true;
        c.Invalidate(l.rolepic);
    }
    if (!chooser.armed) return;
    if (l.chooserUp.Contains(x, y) || l.chooserDown.Contains(x, y)) {
        chooser.armed = false;
        c.flags.directPaint = true;
        c.Invalidate(l.chooserUp.Contains(x, y) ? l.chooserUp : l.chooserDown);
        c.Invalidate(l.stampGrid);
    } else if (l.roleqt.Contains(x, y)) {
        CloseChooser(c);
    }
}

void StampTool::OpenChooser(ToolContext& c) {
    chooserOpen = true;
    c.Invalidate(c.Layout().stampBox);
}

void StampTool::CloseChooser(ToolContext& c) {
    if (!chooserOpen) return;
    chooserOpen = false;
    chooser.armed = false;
    // The chooser's picture lies over the panes and the backdrop between them: all of it is
    // painted afresh from the back buffer.
    c.flags.restoreBackdrop = true;
    c.Invalidate(c.Layout().stampBox);
    c.Invalidate(c.Layout().canvas);
    c.Invalidate(c.Layout().view);
}

void StampTool::PaintChooser(ToolContext& c, const Rect& update) {
    if (chooserOpen && Meets(update, c.Layout().stampBox)) chooser.Paint(c, update);
}

std::span<const TipRow> StampTool::PanelTips() const {
    if (chooserOpen) return kChooserTips;
    return kStampTips;
}
