// FaceTable: every picture of the face folder with the size the program needs it in, shared by
// the generator that draws them and the checker that inspects an installation.
#pragma once

#include <string>
#include <vector>

struct FacePicture {
    std::string file;       // name in Diy/Face/
    std::string entry;      // layout entry that gives the size; empty for a fixed size
    int width = 0;          // the size the file must have
    int height = 0;
    bool whiteTransparent = false;  // pure white marks the pixels that are not drawn
    bool airplane = false;          // shows the airplanes: made with the airplane pictures
};

// Every face picture, sizes taken from the layout table (width rounded up to a multiple of 4).
[[nodiscard]] const std::vector<FacePicture>& FacePictures();
// The entry for a file name, or null.
[[nodiscard]] const FacePicture* FindFacePicture(const std::string& file);

// Stamps of the picture library: "bmp/01.bmp" ... "bmp/112.bmp", masks likewise under "msk/".
inline constexpr int stampCount = 112;
inline constexpr int stampSide = 96;
[[nodiscard]] std::string StampName(int number);  // "01.bmp", "112.bmp"

// The spoken prompts c205 to c269 of both voice folders.
inline constexpr int firstPrompt = 205;
inline constexpr int lastPrompt = 269;

// Models the model column and the works box can choose.
inline constexpr int modelCount = 27;
