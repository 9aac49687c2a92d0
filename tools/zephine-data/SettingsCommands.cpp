// zephine-data profile FILE SECTION KEY, zephine-data paths [COMMAND LINE TAIL...], and
// zephine-data layout
#include <cstdio>

#include "Commands.h"
#include "base/ScreenLayout.h"
#include "platform/ProfileReader.h"
#include "platform/SystemFolders.h"
#include "shell/StartupPaths.h"

int RunProfile(const Args& args) {
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zephine-data profile FILE SECTION KEY\n");
        return 1;
    }
    const ProfileFile file(args[0]);
    const std::optional<std::string> value = file.Find(args[1], args[2]);
    if (!value) {
        std::printf("found=0\n");
        return 1;
    }
    std::printf("found=1\nvalue=%s\n", value->c_str());
    return 0;
}

int RunPaths(const Args& args) {
    // The program sees its own path and its arguments joined by spaces.
    std::string line = "zephine";
    for (const std::string& a : args) line += " " + a;
    const StartupEnvironment env = ReadStartupEnvironment();
    const InstallPaths p = ReadInstallPaths(env);
    const ModelChoice choice = ReadCommandLine(line);
    const ModelFileNames names = BuildModelFileNames(p.modelDir, choice.modelNumber);
    std::printf("modelNumber=%d language=%c launched=%d\n", choice.modelNumber,
                LetterOf(choice.language), env.launched ? 1 : 0);
    const std::pair<const char*, const std::string*> lines[] = {
        {"settingsFile", nullptr}, {"faceDir", &p.faceDir},       {"modelDir", &p.modelDir},
        {"movieDir", &p.movieDir}, {"effectDir", &p.effectDir},   {"englishDir", &p.englishDir},
        {"chineseDir", &p.chineseDir}, {"saveDir", &p.saveDir},   {"penDataDir", &p.penDataDir},
        {"picLibDir", &p.picLibDir}, {"modelFile", &names.model}, {"textureFile", &names.texture},
    };
    const std::string settings = SettingsFilePath(env);
    for (const auto& [key, value] : lines) {
        std::printf("%s=%s\n", key, value ? value->c_str() : settings.c_str());
    }
    return 0;
}

// Every rectangle of the 800 x 600 design, one a line: "name left top right bottom". The soak
// test presses them.
int RunLayout(const Args& args) {
    if (!args.empty()) {
        std::fprintf(stderr, "usage: zephine-data layout\n");
        return 1;
    }
    for (const std::string_view name : ScreenLayout::Names()) {
        const Rect* r = ScreenLayout::DesignRect(name);
        std::printf("%.*s %d %d %d %d\n", int(name.size()), name.data(), r->left, r->top, r->right,
                    r->bottom);
    }
    return 0;
}
