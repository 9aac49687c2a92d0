// zephine-data profile FILE SECTION KEY, and zephine-data paths [COMMAND LINE TAIL...]
#include <cstdio>

#include "Commands.h"
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
    std::printf("modelNumber=%d language=%s launched=%d\n", choice.modelNumber,
                choice.language.c_str(), env.launched ? 1 : 0);
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
