// Fuzzes the bitmap reader and the pixel operations on whatever it loads.
#include <cstddef>
#include <cstdint>

#include "graphics/Dib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Dib dib = Dib::LoadFromBytes({data, size});
    if (dib.IsUsable()) {
        Dib target = Dib::CreateBlank(16, 16);
        dib.CopyBlockTo(target, 1, 1, 8, 8, -3, dib.Height() - 4);
        dib.OverlayNonWhiteOnto(&target);
        const uint8_t* corner = dib.PixelAt(dib.Width() - 1, dib.Height() - 1);
        if (corner == nullptr || corner < dib.Block() || corner + 3 > dib.Block() + dib.BlockSize())
            __builtin_trap();
    }
    return 0;
}
