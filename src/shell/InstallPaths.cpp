// Start-up paths, the command line and the model file names.
#include "shell/InstallPaths.h"

#include <algorithm>
#include <cstdio>

#include "platform/BinaryFile.h"
#include "platform/ProfileReader.h"

namespace {

// Settings written for Windows use backslashes; the folders here use '/'.
PathString WithSlashes(PathString value) {
    std::replace(value.begin(), value.end(), '\\', '/');
    return value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

PathString SettingsFilePath(const StartupEnvironment& env) {
    return env.systemFolder + "/MoPleat5.ini";
}

InstallPaths ReadInstallPaths(const StartupEnvironment& env) {
    // The folder gets its separator unless it already ends in one (the root "/").
    PathString base = env.currentFolder;
    if (base.empty() || base.back() != '/') base += "/";

    // Values are kept whole: a path cut at a fixed length would point somewhere else.
    const ProfileFile settings(SettingsFilePath(env));
    InstallPaths p;
    p.modelDir =
        WithSlashes(settings.Get("Path", "Model", env.launched ? "./Diy/Model/" : "./Model/"));
    p.saveDir = WithSlashes(settings.Get("Path", "Save", env.homeFolder + "/Pleat5Save/"));

    const PathString diy = env.launched ? base + "Diy/" : base;
    const PathString sound = env.launched ? base + "Sound/Diy/" : base + "../Sound/Diy/";
    p.faceDir = diy + "Face/";
    p.movieDir = diy + "Movie/";
    p.penDataDir = diy + "PenData/";
    p.picLibDir = diy + "Piclib/";
    p.effectDir = sound + "Eff/";
    p.chineseDir = sound + "C/";
    p.englishDir = sound + "E/";
    return p;
}

ModelChoice ReadCommandLine(std::string_view line) {
    ModelChoice choice;
    const size_t n = line.size();
    if (n == 0 || !IsDigit(line[n - 1])) return choice;
    const size_t digits = (n >= 2 && IsDigit(line[n - 2])) ? 2 : 1;
    int number = line[n - 1] - '0';
    if (digits == 2) number += 10 * (line[n - 2] - '0');
    choice.modelNumber = number + 1;
    // The letter before the number; a line that is only digits has none and means English.
    const bool chinese = n > digits && line[n - digits - 1] == 'c';
    choice.language = chinese ? "c" : "e";
    if (choice.modelNumber > 25) choice.modelNumber = 1;
    return choice;
}

PathString ModelStem(int modelNumber) {
    return (modelNumber < 10 ? "Fly0" : "Fly") + std::to_string(modelNumber);
}

ModelFileNames BuildModelFileNames(const PathString& modelDir, int modelNumber) {
    const PathString stem = modelDir + ModelStem(modelNumber);
    ModelFileNames names;
    names.model = FileExists(stem + ".ini") ? stem + ".ini" : stem + ".fly";
    names.texture = stem + ".bmp";
    return names;
}

bool WriteLanguageMarker(const StartupEnvironment& env, std::string_view language) {
    const uint8_t letter = (!language.empty() && language[0] == 'c') ? 'c' : 'e';
    return WriteFileAtomically(env.systemFolder + "/mopleat5.txt", {{&letter, 1}});
}
