// zephine-airplanes: folds the airplane descriptions into the installation's airplane files.
//   zephine-airplanes make DESCRIPTION N ROOT [--pictures DIR] [--marks FILE] [--espeak PROGRAM]
//                     [--no-movie]
//   zephine-airplanes frames ROOT MARKFILE...       writes Diy/Movie/frame.ini
//   zephine-airplanes sheet PNG PICTURES STEPSBMP   the contact sheet of all airplanes
//   zephine-airplanes check DESCRIPTION...          reads and folds only
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "AirplaneBuild.h"
#include "PngWriter.h"
#include "VoiceFile.h"
#include "graphics/Dib.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: zephine-airplanes make DESCRIPTION N ROOT [--pictures DIR] [--marks FILE]"
                 " [--espeak PROGRAM] [--no-movie]\n"
                 "       zephine-airplanes frames ROOT MARKFILE...\n"
                 "       zephine-airplanes sheet PNG PICTURES STEPSBMP\n"
                 "       zephine-airplanes check DESCRIPTION...\n"
                 "       zephine-airplanes voice WAVE...\n");
    return 2;
}

int Make(int argc, char** argv) {
    if (argc < 5) return Usage();
    BuildOptions o;
    o.model = std::atoi(argv[3]);
    o.root = argv[4];
    for (int i = 5; i < argc; ++i) {
        const bool more = i + 1 < argc;
        if (std::strcmp(argv[i], "--pictures") == 0 && more) o.pictures = argv[++i];
        else if (std::strcmp(argv[i], "--marks") == 0 && more) o.marks = argv[++i];
        else if (std::strcmp(argv[i], "--espeak") == 0 && more) o.espeak = argv[++i];
        else if (std::strcmp(argv[i], "--no-movie") == 0) o.movie = false;
        else return Usage();
    }
    if (o.model < 1 || o.model > 99) return Usage();
    PlaneDescription d;
    std::string error;
    std::error_code ec;
    if (!o.pictures.empty()) std::filesystem::create_directories(o.pictures, ec);
    if (!o.marks.empty()) std::filesystem::create_directories(std::filesystem::path(o.marks).parent_path(), ec);
    if (!ReadDescription(argv[2], d, error) || !BuildAirplane(d, o, error)) {
        std::fprintf(stderr, "zephine-airplanes: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

int Frames(int argc, char** argv) {
    if (argc < 4) return Usage();
    std::string text = "[FRAME]\n";
    for (int i = 3; i < argc; ++i) {
        std::ifstream in(argv[i]);
        std::stringstream all;
        all << in.rdbuf();
        if (!in || all.str().empty()) {
            std::fprintf(stderr, "zephine-airplanes: cannot read the marks %s\n", argv[i]);
            return 1;
        }
        text += all.str();
    }
    const std::string path = std::string(argv[2]) + "/Diy/Movie/frame.ini";
    std::ofstream out(path, std::ios::binary);
    out << text;
    return out ? 0 : 1;
}

int Sheet(int argc, char** argv) {
    if (argc != 5) return Usage();
    // The airplanes, then the frames at the marks and three of the flight for four airplanes of
    // four ways of flying (dart, glider, floater, stunt), then the steps sheet of the first.
    const int strips[] = {1, 2, 4, 6};
    std::vector<Canvas> loaded;
    int height = 540 + 490;
    for (int n : strips) {
        char name[32];
        std::snprintf(name, sizeof name, "/%02d-strip.png", n);
        Canvas strip;
        if (LoadPng(std::string(argv[3]) + name, strip)) height += strip.Height() + 24, loaded.push_back(std::move(strip));
        else loaded.emplace_back();
    }
    Canvas sheet(1200, height, {255, 255, 255});
    for (int n = 1; n <= 27; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "/%02d.png", n);
        Canvas pic;
        if (!LoadPng(std::string(argv[3]) + name, pic)) continue;
        const int x = 10 + ((n - 1) % 7) * 170, y = 10 + ((n - 1) / 7) * 130;
        const double s = std::min(160.0 / pic.Width(), 110.0 / pic.Height());
        sheet.Paste(pic, x, y, int(pic.Width() * s), int(pic.Height() * s));
        sheet.Digits(std::to_string(n), x, y + 112, 12, {40, 40, 40});
    }
    int y = 540;
    for (size_t i = 0; i < loaded.size(); ++i) {
        if (loaded[i].Width() == 0) continue;
        sheet.Digits(std::to_string(strips[i]), 10, y + 4, 16, {40, 40, 40});
        sheet.Paste(loaded[i], 40, y, loaded[i].Width(), loaded[i].Height());
        y += loaded[i].Height() + 24;
    }
    const Dib steps = Dib::LoadFromFile(argv[4]).TwentyFourBit();
    if (!steps.IsEmpty()) {
        Canvas c(steps.Width(), steps.Height(), {});
        for (int y = 0; y < steps.Height(); ++y)
            for (int x = 0; x < steps.Width(); ++x) {
                const uint8_t* p = steps.PixelAt(x, y);
                c.Set(x, y, {p[2], p[1], p[0]});
            }
        sheet.Paste(c, 10, y, 680, 680 * c.Height() / c.Width());
    }
    return SavePng(sheet, argv[2]) ? 0 : 1;
}

int Check(int argc, char** argv) {
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        PlaneDescription d;
        FoldedPlane f;
        std::vector<Triangle3> model;
        std::string error;
        if (!ReadDescription(argv[i], d, error) || !FoldPlane(d, f, error) || !BuildModel(d, f.paper, model, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

// Spoken PCM files to the installation's IMA ADPCM, in place.
int Voice(int argc, char** argv) {
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        std::string error;
        if (!CompressVoice(argv[i], error)) {
            std::fprintf(stderr, "zephine-airplanes: %s\n", error.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    if (std::strcmp(argv[1], "make") == 0) return Make(argc, argv);
    if (std::strcmp(argv[1], "frames") == 0) return Frames(argc, argv);
    if (std::strcmp(argv[1], "sheet") == 0) return Sheet(argc, argv);
    if (std::strcmp(argv[1], "check") == 0) return Check(argc, argv);
    if (std::strcmp(argv[1], "voice") == 0) return Voice(argc, argv);
    return Usage();
}
