// Start-up paths: the data folders from the settings file, and the language marker left for a
// launcher.
#include "shell/StartupPaths.h"

#include <algorithm>

#include "base/BinaryFile.h"
#include "platform/ProfileReader.h"

namespace {

// Settings written for Windows use backslashes; the folders here use '/'.
PathString WithSlashes(PathString value) {
    std::replace(value.begin(), value.end(), '\\', '/');
    return value;
}

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
    p.saveDir = WithSlashes(settings.Get("Path", "Save", env.dataFolder + "/zephine/works/"));
    // Works are named by appending to the folder.
    if (!p.saveDir.empty() && p.saveDir.back() != '/') p.saveDir += '/';

    const PathString diy = env.launched ? base + "Diy/" : base;
    const PathString sound = env.launched ? base + "Sound/Diy/" : base + "../Sound/Diy/";
    p.faceDir = diy + "Face/";
    p.movieDir = diy + "Movie/";
    p.penDataDir = diy + "PenData/";
    if (!env.cacheFolder.empty()) p.penCacheDir = env.cacheFolder + "/zephine/";
    p.picLibDir = diy + "Piclib/";
    p.effectDir = sound + "Eff/";
    p.chineseDir = sound + "C/";
    p.englishDir = sound + "E/";
    return p;
}

bool WriteLanguageMarker(const StartupEnvironment& env, Language language) {
    const auto letter = static_cast<uint8_t>(LetterOf(language));
    return WriteFileAtomically(env.systemFolder + "/mopleat5.txt", {{&letter, 1}});
}
