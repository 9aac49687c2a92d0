// zephine-data render and pick: the model wearing its skin, drawn and picked by the program's
// own 3D view on the off-screen surface, so content makers see what the child will see.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Commands.h"
#include "graphics/Dib.h"
#include "graphics/View3D.h"
#include "platform/Surface.h"
#include "platform/gl/OsMesaSurface.h"

namespace {

// The 3D pane's size on the workshop screen.
constexpr int32_t kPaneWidth = 209;
constexpr int32_t kPaneHeight = 159;
constexpr long kMaxSide = 4096;

struct Options {
    long width = kPaneWidth;
    long height = kPaneHeight;
    float rotationX = 0;
    float rotationY = 0;
    float scale = View3D::kInitialScale;
};

bool ParseFloat(const std::string& text, float& value) {
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return !text.empty() && end != nullptr && *end == '\0' && std::isfinite(value);
}

bool ParseSize(const std::string& text, long& width, long& height) {
    size_t x = text.find('x');
    return x != std::string::npos && ParseInt(text.substr(0, x), width) &&
           ParseInt(text.substr(x + 1), height) && width >= 1 && height >= 1 &&
           width <= kMaxSide && height <= kMaxSide;
}

// Reads the options after the fixed arguments; false on anything it does not know.
bool ParseOptions(const Args& args, size_t from, Options& options) {
    for (size_t i = from; i < args.size(); ++i) {
        const std::string& name = args[i];
        size_t left = args.size() - i - 1;
        if (name == "--size" && left >= 1) {
            if (!ParseSize(args[++i], options.width, options.height)) return false;
        } else if (name == "--rotate" && left >= 2) {
            if (!ParseFloat(args[i + 1], options.rotationX) ||
                !ParseFloat(args[i + 2], options.rotationY))
                return false;
            i += 2;
        } else if (name == "--scale" && left >= 1) {
            if (!ParseFloat(args[++i], options.scale)) return false;
        } else {
            return false;
        }
    }
    return true;
}

// Loads and renders as the pane does, the pane filling the whole surface. False (with a
// message) when the model or skin could not be read or there is no OpenGL context; the
// picture is still drawn from what there is.
bool RenderScene(const std::string& model, const std::string& skin, const Options& options,
                 OsMesaSurface& surface, View3D& view) {
    bool sound = view.LoadModel(model);
    if (!sound) std::fprintf(stderr, "Load Error: %s\n", model.c_str());
    if (!view.LoadSkin(skin)) {
        std::fprintf(stderr, "skin not readable (the texture stays black): %s\n", skin.c_str());
        sound = false;
    }
    if (!surface.HasContext()) {
        std::fprintf(stderr, "no OpenGL context\n");
        return false;
    }
    view.rotationX = options.rotationX;
    view.rotationY = options.rotationY;
    view.modelScale = options.scale;
    view.Render(surface, surface.Bounds());
    return sound;
}

int SavePicture(OsMesaSurface& surface, const std::string& path) {
    Surface window(surface.Width(), surface.Height());
    Dib picture = Dib::CreateBlank(surface.Width(), surface.Height());
    if (picture.IsEmpty() || surface.CopyToWindow(0, 0, surface.Bounds(), window) != 1) return 1;
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x) {
            uint32_t colour = window.PixelAt(x, y);
            uint8_t* p = picture.PixelAt(x, y);
            p[0] = colour & 0xFF, p[1] = (colour >> 8) & 0xFF, p[2] = (colour >> 16) & 0xFF;
        }
    if (picture.SaveToFile(path) != 1) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int RunRender(const Args& args) {
    Options options;
    if (args.size() < 3 || !ParseOptions(args, 3, options)) {
        std::fprintf(stderr, "usage: zephine-data render MODEL SKIN OUT.bmp [--size WxH] "
                             "[--rotate RX RY] [--scale S]\n");
        return 1;
    }
    OsMesaSurface surface(int32_t(options.width), int32_t(options.height));
    View3D view;
    bool sound = RenderScene(args[0], args[1], options, surface, view);
    if (!surface.HasContext()) return 1;
    int saved = SavePicture(surface, args[2]);
    std::printf("width=%ld height=%ld triangles=%d\n", options.width, options.height,
                view.mesh.triangleCount);
    return saved == 0 && sound ? 0 : 1;
}

int RunPick(const Args& args) {
    Options options;
    long x = 0, y = 0;
    if (args.size() < 4 || !ParseInt(args[2], x) || !ParseInt(args[3], y) ||
        !ParseOptions(args, 4, options)) {
        std::fprintf(stderr, "usage: zephine-data pick MODEL SKIN X Y [--size WxH] "
                             "[--rotate RX RY] [--scale S]\n");
        return 1;
    }
    OsMesaSurface surface(int32_t(options.width), int32_t(options.height));
    View3D view;
    bool sound = RenderScene(args[0], args[1], options, surface, view);
    if (!surface.HasContext()) return 1;
    bool inside = x >= 0 && y >= 0 && x < options.width && y < options.height;
    if (inside && view.Pick(surface, surface.Bounds(), surface.Bounds(), int32_t(x), int32_t(y),
                            surface.Height())) {
        const PaintTarget& hit = view.paintTarget;
        std::printf("hit=1 texel=%d,%d triangle=%d\n", hit.texelX, hit.texelY, hit.triangle);
    } else {
        std::printf("hit=0\n");
    }
    return sound ? 0 : 1;
}
