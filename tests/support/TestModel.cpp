// The test model's files.
#include "support/TestModel.h"

#include <filesystem>
#include <fstream>

#include "base/InstallPaths.h"
#include "graphics/Dib.h"

void WriteTestModel(const std::string& root, int n, int32_t skinWidth, int32_t skinHeight,
                    uint8_t r, uint8_t g, uint8_t b, bool seam) {
    std::filesystem::create_directories(root + "/Model");
    const std::string stem = root + "/Model/" + ModelStem(n);
    if (seam) {
        std::ofstream(stem + ".ini")
            << "[SUM]\nMaterials=0\nTriangles=4\nVerticies=8\nNormals=0\nTexture=8\n[DATA]\n"
               "Triangles={0,1,2,0,0,0,0,1,2},{0,2,3,0,0,0,0,2,3},"
               "{4,5,6,0,0,0,4,5,6},{4,6,7,0,0,0,4,6,7}\n"
               "Vertices={-3,-3,0},{0,-3,0},{0,3,0},{-3,3,0},{0,-3,0},{3,-3,0},{3,3,0},{0,3,0}\n"
               "Textures={0,0},{0.25,0},{0.25,1},{0,1},{0.75,0},{1,0},{1,1},{0.75,1}\n";
    } else {
    std::ofstream(stem + ".ini") << "[SUM]\nMaterials=0\nTriangles=2\nVerticies=4\nNormals=0\n"
                                    "Texture=4\n[DATA]\n"
                                    "Triangles={0,1,2,0,0,0,0,1,2},{0,2,3,0,0,0,0,2,3}\n"
                                    "Vertices={-3,-3,0},{3,-3,0},{3,3,0},{-3,3,0}\n"
                                    "Textures={0,0},{1,0},{1,1},{0,1}\n";
    }
    Dib skin = Dib::CreateBlank(skinWidth, skinHeight);
    for (int32_t y = 0; y < skinHeight; ++y)
        for (int32_t x = 0; x < skinWidth; ++x)
            if (uint8_t* p = skin.PixelAt(x, y)) p[0] = b, p[1] = g, p[2] = r;
    (void)skin.SaveToFile(stem + ".bmp");
}
