// The stamp: the chosen picture, scaled and turned, laid into the texture through its mask,
// centred on the press.
#include "raster/BitmapBlock.h"
#include "raster/StampComposite.h"
#include "raster/StampRotation.h"
#include "raster/StampScaling.h"
#include "shell/Controller.h"
#include "workshop/PaintTools.h"
#include "workshop/StampPicture.h"

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
    (void)RotateBlock(picture, angle, 0);
    (void)RotateMask(cover, angle, 0);
    out.width = BlockWidth(cover.get());
    out.height = BlockHeight(cover.get());
    (void)CropCentred(picture, out.width, out.height);
    out.picture = std::move(picture);
    out.mask = std::move(cover);
    return out;
}

int LayStamp(uint8_t* destination, const StampBlocks& stamp, int32_t cx, int32_t cy,
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
    if (placement.destX < 0 && placement.destY < 0) return 0;
    return CompositeThroughMask(placement);
}

void StampAt(Controller& c, int32_t tx, int32_t ty) {
    View3D& v = *c.view3d;
    if (!v.texture.IsUsable()) return;
    const StampBlocks stamp = MakeStampBlocks(c.stampImage, c.stampMask, c.stampScale,
                                              c.stampAngle);
    if (!stamp.picture || !stamp.mask) return;
    constexpr int32_t side = View3D::kTextureSide;
    // Laid into a copy; only the stamp's own rectangle goes back into the texture.
    Dib copy = Dib::CreateBlank(side, side);
    if (v.texture.CopyBlockTo(copy, 0, 0, side, side, 0, 0) != 1) return;
    (void)LayStamp(copy.Block(), stamp, tx, ty, c.stampPlacement);
    const Rect placed{c.stampPlacement.destX, c.stampPlacement.destY,
                          c.stampPlacement.destX + stamp.width,
                          c.stampPlacement.destY + stamp.height};
    // The blocks go with this call: the kept placement must not point at them.
    c.stampPlacement.destination = nullptr;
    c.stampPlacement.picture = nullptr;
    c.stampPlacement.mask = nullptr;
    Rect inside;
    if (!Intersect(placed, {0, 0, side, side}, inside)) return;
    if (copy.CopyBlockTo(v.texture, inside.left, inside.top, inside.Width(), inside.Height(),
                         inside.left, inside.top) != 1)
        return;
    c.directPaint = 1;
    ShowTexels(c, inside);
}
