// zephine-data bmp FILE [X Y]
#include <cstdio>

#include "Commands.h"
#include "graphics/Dib.h"

int RunBmp(const Args& args) {
    if (args.size() != 1 && args.size() != 3) {
        std::fprintf(stderr, "usage: zephine-data bmp FILE [X Y]\n");
        return 1;
    }
    const Dib dib = Dib::LoadFromFile(args[0]);
    if (dib.IsEmpty()) {
        std::printf("empty\n");
        return 1;
    }
    std::printf("width=%d height=%d bits=%d colours=%u", dib.Width(), dib.Height(),
                dib.BitsPerPixel(), dib.ColourCount());
    if (args.size() == 3) {
        long x = 0, y = 0;
        const uint8_t* p = nullptr;
        if (ParseInt(args[1], x) && ParseInt(args[2], y) && x >= 0 && y >= 0 && x < dib.Width() &&
            y < dib.Height()) {
            p = dib.PixelAt(int32_t(x), int32_t(y));
        }
        if (p == nullptr) {
            std::printf(" pixel=none\n");
            return 1;
        }
        std::printf(" pixel=%u,%u,%u", p[0], p[1], p[2]);
    }
    std::printf("\n");
    return 0;
}
