// Loading the workshop pictures, and the clipped drawing every control uses.
#include "workshop/WorkshopPictures.h"

#include <string>

#include "graphics/DibDrawing.h"

namespace {

PathString Numbered(const PathString& dir, const char* stem, int k) {
    return dir + stem + std::to_string(k) + ".bmp";
}

}  // namespace

void WorkshopPictures::Load(const PathString& faceDir) {
    for (int k = 1; k <= 9; ++k) {
        ia[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "ia", k));
        ib[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "ib", k));
        column[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "s0", k));
    }
    for (int k = 1; k <= 6; ++k) {
        ta[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "ta", k));
        tb[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "tb", k));
        toolLabels[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "aim0", k));
    }
    for (int k = 0; k <= 10; ++k) tc[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "tc", k));
    for (int k = 1; k <= 7; ++k) pic[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "pic", k));
    for (int k = 1; k <= 4; ++k)
        columnButtons[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "sp0", k));
    chineseLabel = Dib::LoadFromFile(faceDir + "l-sc.bmp");
    englishLabel = Dib::LoadFromFile(faceDir + "l-se.bmp");
    marker = ToSurface(tc[0]);
}
