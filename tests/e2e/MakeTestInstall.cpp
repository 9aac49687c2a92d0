// Writes a tiny installation for the end-to-end tests: ROOT/Diy/Face/{paintbk,out}.bmp and
// ROOT/Diy/Zephine.ini. The backdrop is one colour with marked corners, so a screenshot shows
// where it landed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "graphics/Dib.h"

namespace {

void Fill(Dib& dib, int x0, int y0, int w, int h, uint8_t r, uint8_t g, uint8_t b) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (uint8_t* p = dib.PixelAt(x, y)) {
                p[0] = b;
                p[1] = g;
                p[2] = r;
            }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ROOT\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    std::filesystem::create_directories(root + "/Diy/Face");
    Dib backdrop = Dib::CreateBlank(800, 600);
    Fill(backdrop, 0, 0, 800, 600, 200, 60, 40);
    Fill(backdrop, 0, 0, 4, 4, 0, 255, 0);      // top-left corner
    Fill(backdrop, 796, 596, 4, 4, 0, 0, 255);  // bottom-right corner
    Dib out = Dib::CreateBlank(128, 84);
    Fill(out, 0, 0, 128, 84, 250, 250, 0);
    if (backdrop.SaveToFile(root + "/Diy/Face/paintbk.bmp") != 1 ||
        out.SaveToFile(root + "/Diy/Face/out.bmp") != 1) {
        std::fprintf(stderr, "cannot write the pictures under %s\n", root.c_str());
        return 1;
    }
    std::ofstream ini(root + "/Diy/Zephine.ini");
    ini << "[eTip]\nexit = Leave the workshop\npencil=Pencil\n"
           "[cTip]\nexit=\xE9\x80\x80\xE5\x87\xBA\npencil=\xE9\x93\x85\xE7\xAC\x94\n";
    return ini ? 0 : 1;
}
