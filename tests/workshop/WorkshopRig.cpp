// The workshop test rig: the fake 3D surface and the test installation.
#include "WorkshopRig.h"

#include <filesystem>
#include <fstream>
#include <array>

void FakeGlSurface::BeginSelection(std::span<uint32_t> buffer) {
    selecting = true;
    selection = buffer;
    used = 0;
    hits = 0;
    names.assign(1, 0xFFFFFFFFu);
}

int32_t FakeGlSurface::EndSelection() {
    selecting = false;
    return hits;
}

namespace {

// The corner in normalised device coordinates (x, y) through both column-major matrices.
std::array<double, 2> Project(const GlMatrix& p, const GlMatrix& m, const GlCorner& c) {
    const double in[4] = {c.x, c.y, c.z, 1};
    double eye[4], clip[4];
    for (int r = 0; r < 4; ++r) eye[r] = m[r] * in[0] + m[4 + r] * in[1] + m[8 + r] * in[2] + m[12 + r];
    for (int r = 0; r < 4; ++r)
        clip[r] = p[r] * eye[0] + p[4 + r] * eye[1] + p[8 + r] * eye[2] + p[12 + r] * eye[3];
    return {clip[0] / clip[3], clip[1] / clip[3]};
}

bool CoversOrigin(const std::array<double, 2> (&t)[3]) {
    double sign[3];
    for (int i = 0; i < 3; ++i) {
        const auto& a = t[i];
        const auto& b = t[(i + 1) % 3];
        sign[i] = (b[0] - a[0]) * (0 - a[1]) - (b[1] - a[1]) * (0 - a[0]);
    }
    return (sign[0] >= 0 && sign[1] >= 0 && sign[2] >= 0) ||
           (sign[0] <= 0 && sign[1] <= 0 && sign[2] <= 0);
}

}  // namespace

void FakeGlSurface::DrawTriangles(std::span<const GlCorner> corners) {
    if (!selecting) {
        drawnTriangles += int(corners.size() / 3);
        return;
    }
    for (size_t i = 0; i + 3 <= corners.size(); i += 3) {
        const std::array<double, 2> t[3] = {Project(projection, modelView, corners[i]),
                                            Project(projection, modelView, corners[i + 1]),
                                            Project(projection, modelView, corners[i + 2])};
        if (!CoversOrigin(t)) return;
    }
    if (used + 3 + names.size() > selection.size()) return;
    selection[used++] = uint32_t(names.size());
    selection[used++] = 0;
    selection[used++] = 0;
    for (uint32_t name : names) selection[used++] = name;
    ++hits;
}

int FakeGlSurface::CopyToWindow(int32_t, int32_t, const Rect& dest, Surface& window) {
    ++copies;
    window.Fill(dest, kRendered);
    return 1;
}

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
    c->demoStep = 0;  // no tour: presses act
}

uint32_t WorkshopRig::Texel(int32_t x, int32_t y) {
    const uint8_t* p = V().texture.PixelAt(x, y);
    return p ? Rgb(p[2], p[1], p[0]) : 0xFFFFFFFF;
}
