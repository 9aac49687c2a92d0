// zephine-datagen: makes the installation's pictures and sounds.
//   zephine-datagen pictures ROOT LABELS [--planes DIR] [--sheet PNG] [--stamp-sheet PNG]
//   zephine-datagen sounds ROOT
//   zephine-datagen icons ROOT NAME
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "AppIcon.h"
#include "FaceWriter.h"
#include "Sounds.h"
#include "StampSheet.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: zephine-datagen pictures ROOT LABELS [--planes DIR] [--sheet PNG] [--stamp-sheet PNG]\n"
                 "       zephine-datagen sounds ROOT\n"
                 "       zephine-datagen icons ROOT NAME\n");
    return 2;
}

std::string Trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

// key = value lines; '#' starts a comment line.
bool ReadLabels(const std::string& path, Labels& labels) {
    std::ifstream in(path);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        const size_t eq = line.find('=');
        if (line.empty() || line[0] == '#' || eq == std::string::npos) continue;
        labels[Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
    }
    return true;
}

int Pictures(int argc, char** argv) {
    if (argc < 4) return Usage();
    GenerateOptions options;
    std::string stampSheet;
    options.root = argv[2];
    if (!ReadLabels(argv[3], options.labels)) {
        std::fprintf(stderr, "zephine-datagen: cannot read the labels file %s\n", argv[3]);
        return 1;
    }
    for (int i = 4; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--planes") == 0) {
            options.planesDir = argv[i + 1];
        } else if (std::strcmp(argv[i], "--sheet") == 0) {
            options.sheet = argv[i + 1];
        } else if (std::strcmp(argv[i], "--stamp-sheet") == 0) {
            stampSheet = argv[i + 1];
        } else {
            return Usage();
        }
    }
    const std::vector<std::string> written = WritePictures(options);
    if (written.empty()) return 1;
    if (!options.sheet.empty() && !WriteContactSheet(written, options.root + "/Diy/Face/", options.sheet)) {
        std::fprintf(stderr, "zephine-datagen: cannot write %s\n", options.sheet.c_str());
        return 1;
    }
    if (!stampSheet.empty() && !WriteStampSheet(options.root + "/Diy/Piclib/", stampSheet)) {
        std::fprintf(stderr, "zephine-datagen: cannot write %s\n", stampSheet.c_str());
        return 1;
    }
    std::printf("%zu pictures written\n", written.size());
    return 0;
}

int SoundFiles(int argc, char** argv) {
    if (argc != 3) return Usage();
    const std::string effects = std::string(argv[2]) + "/Sound/Diy/Eff/";
    std::error_code ec;
    std::filesystem::create_directories(effects, ec);
    if (!WriteWave(effects + "B100.wav", MakeClick()) ||
        !WriteWave(effects + "Diy.wav", MakeTune())) {
        std::fprintf(stderr, "zephine-datagen: cannot write the sounds in %s\n", effects.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    if (std::strcmp(argv[1], "pictures") == 0) return Pictures(argc, argv);
    if (std::strcmp(argv[1], "sounds") == 0) return SoundFiles(argc, argv);
    if (std::strcmp(argv[1], "icons") == 0 && argc == 4) return WriteAppIcons(argv[2], argv[3]) ? 0 : 1;
    return Usage();
}
