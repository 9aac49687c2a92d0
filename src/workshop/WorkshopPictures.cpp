// Loading the workshop pictures: which file each one is.
#include "workshop/WorkshopPictures.h"

#include <string>

#include "graphics/DibDrawing.h"

namespace {

PathString Numbered(const PathString& dir, const char* stem, int k) {
    return dir + stem + std::to_string(k) + ".bmp";
}

struct PictureFile {
    const char* file;
    Dib WorkshopPictures::*picture;
};

// The face folder's file of each single picture.
constexpr PictureFile kFiles[] = {
    {"ia1.bmp", &WorkshopPictures::docOutPressed}, {"ia2.bmp", &WorkshopPictures::docInPressed},
    {"ia3.bmp", &WorkshopPictures::zoom},          {"ib3.bmp", &WorkshopPictures::zoomInPressed},
    {"ib9.bmp", &WorkshopPictures::zoomOutPressed}, {"ia4.bmp", &WorkshopPictures::move},
    {"ib4.bmp", &WorkshopPictures::movePressed},   {"ia5.bmp", &WorkshopPictures::rotate},
    {"ib5.bmp", &WorkshopPictures::rotatePressed}, {"ia6.bmp", &WorkshopPictures::undo},
    {"ib6.bmp", &WorkshopPictures::undoPressed},   {"ib7.bmp", &WorkshopPictures::diy},
    {"ia8.bmp", &WorkshopPictures::flight},        {"tc1.bmp", &WorkshopPictures::penPanel},
    {"tc2.bmp", &WorkshopPictures::printPanel},    {"tc3.bmp", &WorkshopPictures::stampPanel},
    {"tc4.bmp", &WorkshopPictures::adjustPanel},   {"tc10.bmp", &WorkshopPictures::eraserPanel},
    {"tc5.bmp", &WorkshopPictures::penKnob},       {"tc6.bmp", &WorkshopPictures::sizeKnob},
    {"tc7.bmp", &WorkshopPictures::stampKnob},     {"tc9.bmp", &WorkshopPictures::adjustKnob},
    {"l-sc.bmp", &WorkshopPictures::chineseLabel}, {"l-se.bmp", &WorkshopPictures::englishLabel},
};

}  // namespace

void WorkshopPictures::Load(const PathString& faceDir) {
    for (const PictureFile& f : kFiles) this->*f.picture = Dib::LoadFromFile(faceDir + f.file);
    for (int k = 1; k <= kToolCount; ++k) {
        const Tool tool = static_cast<Tool>(k);
        toolButtons[tool] = Dib::LoadFromFile(Numbered(faceDir, "ta", k));
        toolButtonsPressed[tool] = Dib::LoadFromFile(Numbered(faceDir, "tb", k));
        toolLabels[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "aim0", k));
    }
    for (int k = 1; k <= 9; ++k) column[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "s0", k));
    for (int k = 1; k <= 7; ++k) pic[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "pic", k));
    for (int k = 1; k <= 4; ++k)
        columnButtons[size_t(k)] = Dib::LoadFromFile(Numbered(faceDir, "sp0", k));
    marker = ToSurface(Dib::LoadFromFile(faceDir + "tc0.bmp"));
}
