// Making the files of one airplane from its description.
#include "AirplaneBuild.h"

#include <filesystem>
#include <fstream>

#include "ModelWriter.h"
#include "PngWriter.h"
#include "MovieEncoder.h"
#include "Narration.h"
#include "Renderer.h"
#include "SheetPictures.h"
#include "base/BinaryFile.h"
#include "graphics/View3D.h"
#include "platform/gl/OsMesaSurface.h"

namespace {

Vec2 Flat(Vec3 p) { return {p.x, p.y}; }

Vec2 Reflect(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 d = (b - a) * (1 / Length(b - a));
    const Vec2 foot = a + d * Dot(p - a, d);
    return foot * 2 - p;
}

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return bool(out);
}

// The frames at the marks and a few of the flight, side by side, to look at.
Canvas Strip(const std::vector<Canvas>& frames) {
    const int w = 160, h = 120, cols = 6, rows = (int(frames.size()) + cols - 1) / cols;
    Canvas c(cols * (w + 4) + 4, std::max(1, rows) * (h + 4) + 4, {255, 255, 255});
    for (size_t i = 0; i < frames.size(); ++i)
        c.Paste(frames[i], 4 + int(i % cols) * (w + 4), 4 + int(i / cols) * (h + 4), w, h);
    return c;
}

bool Movie(const PlaneDescription& d, const FoldedPlane& f, const Canvas& skin, const BuildOptions& o,
           std::string& error) {
    FoldAnimation animation;
    MovieResult result;
    if (!MakeFoldAnimation(d, f.paper, f.scenes, animation, result, error)) return false;
    const std::string stem = o.root + "/Diy/Movie/" + Stem(o.model), path = stem + ".mov";
    // The airplane is the subject of its flight: a smaller one means the camera work failed.
    if (result.flightCover < 0.25) {
        error = path + ": the flying airplane covers only " + std::to_string(int(result.flightCover * 100)) +
                "% of the frame's height";
        return false;
    }
    const std::vector<uint8_t> bytes = FoldAnimationBytes(animation);
    if (!WriteFileAtomically(stem + ".fan", {{bytes.data(), bytes.size()}}))
        return error = "cannot write " + stem + ".fan", false;
    // The movie wears the skin as the workshop's 3D view does before anything is painted, and is
    // drawn as the flight screen draws the child's painting.
    const Dib texture = TextureOfSkin(skin.ToDib());
    OsMesaSurface gl(kMovieWidth, kMovieHeight);
    if (!gl.HasContext()) return error = "no OpenGL context to draw the movie with", false;
    MovieEncoder encoder;
    if (!encoder.Open(path, kMovieWidth, kMovieHeight, kFramesPerSecond, error)) return false;
    // The frame at every mark, then three of the flight, which is the last scene.
    std::vector<Canvas> shown, last;
    const FrameSink sink = [&](const Canvas& frame, bool key) {
        if (key) shown.push_back(frame);
        last.push_back(frame);
        if (last.size() > size_t(kFlightFrames) + 1) last.erase(last.begin());
        return encoder.Add(frame, key);
    };
    if (!RenderFoldMovie(animation, BgrRowsOf(texture), gl, sink) || !encoder.Finish()) {
        error = "cannot write the movie " + path;
        return false;
    }
    std::string marks = "Frame" + std::to_string(o.model) + "=" + std::to_string(result.marks.size());
    for (int m : result.marks) marks += "," + std::to_string(m);
    for (int quarter = 1; quarter <= 3 && !last.empty(); ++quarter) shown.push_back(last[last.size() * size_t(quarter) / 4]);
    char name[32];
    std::snprintf(name, sizeof name, "/%02d-strip.png", o.model);
    if (!o.pictures.empty() && !SavePng(Strip(shown), o.pictures + name)) return error = "cannot write the strip", false;
    return o.marks.empty() || WriteText(o.marks, marks + "\n") || (error = "cannot write " + o.marks, false);
}

}  // namespace

std::string Stem(int model) { return (model < 10 ? "Fly0" : "Fly") + std::to_string(model); }

bool FoldPlane(const PlaneDescription& d, FoldedPlane& out, std::string& error) {
    out = FoldedPlane{Paper(d.width, d.height), {}, {}};
    for (const FoldStep& step : d.steps) {
        Vec3 a, b, m;
        if (!out.paper.Locate(step.a, a) || !out.paper.Locate(step.b, b) || !out.paper.Locate(step.mover, m)) {
            error = d.file + ":" + std::to_string(step.line) + ": a point of the fold lies off the sheet";
            return false;
        }
        FoldScene scene;
        if (!out.paper.Fold(step, scene.plan, error)) {
            error = d.file + ":" + std::to_string(step.line) + ": " + error;
            return false;
        }
        scene.unfold = step.unfold;
        scene.after = out.paper.Facets();
        // The arrow starts near the moving part's far end, so it shows how far the flap travels.
        const Vec2 la = Flat(a), dir = (Flat(b) - la) * (1 / Length(Flat(b) - la));
        Vec2 far = Flat(m), middle;
        double reach = -1, area = 0;
        for (size_t i = 0; i < scene.plan.before.size(); ++i) {
            if (!scene.plan.moving[i]) continue;
            const Polygon p = Placed(scene.plan.before[i]);
            const double w = std::abs(SignedArea(p));
            middle = middle + Centroid(p) * w;
            area += w;
            for (Vec2 v : p) {
                if (std::abs(Cross(dir, v - la)) > reach) reach = std::abs(Cross(dir, v - la)), far = v;
            }
        }
        const Vec2 from = area > 0 ? far + (middle * (1 / area) - far) * 0.3 : far;
        out.diagrams.push_back({scene.plan.before, step, la, Flat(b), from, Reflect(from, la, Flat(b))});
        scene.kind = step.kind;
        scene.lineA = la, scene.lineB = Flat(b), scene.arrowFrom = from, scene.arrowTo = Reflect(from, la, Flat(b));
        out.scenes.push_back(std::move(scene));
    }
    return true;
}

Canvas RenderModel(const std::vector<Triangle3>& model, const Canvas& skin, bool white, std::vector<uint8_t>* alpha) {
    const int w = 240, h = 180;
    Renderer r(w, h, 3);
    r.Clear(Canvas(1, 1, white ? RgbPixel{255, 255, 255} : RgbPixel{}));
    std::vector<Triangle3> tris = model;
    Transform(tris, Motion{}, kViewScale);
    r.Draw(tris, skin, Camera{});
    std::vector<uint8_t> cover;
    Canvas full = r.Resolve(&cover);
    int x0 = w, y0 = h, x1 = 0, y1 = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (cover[size_t(y * w + x)] > 0) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    if (x1 < x0) return full;
    x0 = std::max(0, x0 - 2), y0 = std::max(0, y0 - 2), x1 = std::min(w - 1, x1 + 2), y1 = std::min(h - 1, y1 + 2);
    Canvas cut(x1 - x0 + 1, y1 - y0 + 1, {});
    if (alpha != nullptr) alpha->clear();
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            cut.Set(x - x0, y - y0, full.Get(x, y));
            if (alpha != nullptr) alpha->push_back(cover[size_t(y * w + x)]);
        }
    return cut;
}

bool BuildAirplane(const PlaneDescription& d, const BuildOptions& o, std::string& error) {
    FoldedPlane folded;
    if (!FoldPlane(d, folded, error)) return false;
    std::vector<Triangle3> model;
    if (!BuildModel(d, folded.paper, model, error)) return false;
    std::error_code ec;
    for (const char* dir : {"/Diy/Model", "/Diy/Movie", "/Sound/Diy/C", "/Sound/Diy/E"})
        std::filesystem::create_directories(o.root + dir, ec);
    const std::string stem = Stem(o.model), modelDir = o.root + "/Diy/Model/";
    // The generator's pictures are drawn from the fine skin; the workshop gets the small one.
    const Canvas skin = PaintSkin(d), skinFile = PaintSkin(d, kSkinFileLongSide);
    if (!WriteText(modelDir + stem + ".ini", ModelFileText(model)) || skinFile.SaveBmp(modelDir + stem + ".bmp") != 1 ||
        DrawLineOverlay(d, folded.paper.Creases()).SavePalettedBmp(modelDir + stem + "m.bmp", 4) != 1) {
        return error = "cannot write the model files in " + modelDir, false;
    }
    std::vector<uint8_t> alpha;
    const Canvas picture = RenderModel(model, skin, false, &alpha);
    char name[32];
    std::snprintf(name, sizeof name, "/%02d.png", o.model);
    if (!o.pictures.empty() && !SavePng(picture, o.pictures + name, &alpha)) return error = "cannot write the picture", false;
    const Canvas steps = DrawStepsSheet(folded.diagrams, RenderModel(model, skin, true, nullptr), d);
    if (steps.SavePalettedBmp(o.root + "/Diy/Movie/Step" + stem.substr(3) + ".bmp", 8) != 1)
        return error = "cannot write the steps sheet", false;
    // The movie wears what the workshop shows before anything is painted: the installed skin.
    if (o.movie && !Movie(d, folded, skinFile, o, error)) return false;
    return o.espeak.empty() || Speak(o.espeak, NarrationTexts(d, o.model), o.root, error);
}
