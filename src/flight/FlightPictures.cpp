// Loading the flight screen's pictures.
#include "flight/FlightPictures.h"

#include <string>

namespace {

PathString Numbered(const PathString& dir, const char* stem, int k) {
    return dir + stem + std::to_string(k) + ".bmp";
}

}  // namespace

void FlightPictures::Load(const PathString& faceDir) {
    backdrop = Dib::LoadFromFile(faceDir + "moviebk.bmp");
    diy = Dib::LoadFromFile(faceDir + "ia7.bmp");
    mov = Dib::LoadFromFile(faceDir + "ib8.bmp");
    for (int k = 1; k <= 4; ++k)
        columnButtons[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "sp0", k));
    for (int k = 1; k <= 9; ++k) column[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "s0", k));
    for (int k = 1; k <= 6; ++k) {
        transport[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "mova", k));
        transportPressed[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "movb", k));
    }
    for (int k = 2; k <= 5; ++k)
        stepPageButtons[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "avi-A", k));
    panel = Dib::LoadFromFile(faceDir + "tc2.bmp");
    knob = Dib::LoadFromFile(faceDir + "tc6.bmp");
    chineseLabel = Dib::LoadFromFile(faceDir + "l-sc.bmp");
    englishLabel = Dib::LoadFromFile(faceDir + "l-se.bmp");
}
