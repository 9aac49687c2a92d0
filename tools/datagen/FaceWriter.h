// FaceWriter: writes every picture of the face folder and the picture library, and the contact
// sheet that shows them all on one page.
#pragma once

#include <string>
#include <vector>

#include "Panels.h"

struct GenerateOptions {
    std::string root;       // holds Diy/ and Sound/
    std::string planesDir;  // airplane pictures NN.png; empty until the airplanes exist
    std::string sheet;      // contact sheet PNG; empty for none
    Labels labels;
};

// Writes Diy/Face/*.bmp, Diy/Piclib/bmp and msk; returns the paths written, or an empty list
// after printing what failed.
[[nodiscard]] std::vector<std::string> WritePictures(const GenerateOptions& options);
// One PNG: three screens composed from the face folder's pictures as the program draws them,
// then every picture written under its name. False when it cannot be written.
[[nodiscard]] bool WriteContactSheet(const std::vector<std::string>& pictures,
                                     const std::string& face, const std::string& path);
