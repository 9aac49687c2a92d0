// The workshop test rig: the test installation and the Controller on the fake ports.
#include "WorkshopRig.h"

#include <filesystem>
#include <fstream>

void WriteTestModel(const std::string& root, int n, int32_t skinWidth, int32_t skinHeight,
                    uint8_t r, uint8_t g, uint8_t b, bool seam) {
    std::filesystem::create_directories(root + "/Model");
    const std::string stem = root + "/Model/Fly0" + std::to_string(n);
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

WorkshopRig::WorkshopRig(int32_t skinWidth, int32_t skinHeight) {
    WriteTestModel(f.dir.Path(), 1, skinWidth, skinHeight);
    // The model folder is read from the settings; its default is relative to the process.
    (void)f.dir.Write("MoPleat5.ini", "[Path]\nModel=" + f.dir.Path() + "/Model/\n");
    f.platform.makeGlSurface = [this](int32_t w, int32_t h) -> std::unique_ptr<GlSurface> {
        auto surface = std::make_unique<FakeGlSurface>(w, h);
        gl = surface.get();
        return surface;
    };
    c = std::make_unique<Controller>(f.window, f.platform);
    c->Tours().Stop();  // no tour: presses act
}

uint32_t WorkshopRig::Texel(int32_t x, int32_t y) {
    const uint8_t* p = V().texture.PixelAt(x, y);
    return p ? Rgb(p[2], p[1], p[0]) : 0xFFFFFFFF;
}
