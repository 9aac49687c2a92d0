// The installation as every layer names it: the data folders, what start-up reads from the
// system, the model and language of the command line, and the model file names.
#pragma once

#include <string>
#include <string_view>

#include "base/Language.h"
#include "base/PathString.h"

// What start-up reads from the process and the system. Every folder ends without '/'.
struct StartupEnvironment {
    PathString systemFolder;   // holds MoPleat5.ini and the language marker
    PathString currentFolder;  // the process's working directory
    PathString dataFolder;     // the user's data ($XDG_DATA_HOME): the default save folder
    PathString cacheFolder;    // the user's cache ($XDG_CACHE_HOME): what can be made again
    bool launched = false;     // a launcher's backdrop window exists
};

// The data folders; each ends in '/', so file names are appended as they are.
struct InstallPaths {
    PathString faceDir;
    PathString modelDir;
    PathString movieDir;
    PathString effectDir;
    PathString englishDir;
    PathString chineseDir;
    PathString saveDir;
    PathString penDataDir;   // the installation's pencil caches, read only
    PathString penCacheDir;  // the user's own, written; empty without a cache folder
    PathString picLibDir;
};

struct ModelChoice {
    int modelNumber = 1;
    Language language = Language::chinese;
};

struct ModelFileNames {
    PathString model;    // ".ini" when it can be opened, else ".fly"
    PathString texture;  // the skin picture
};

// The tail of the whole command line (program path and arguments joined by spaces) names the
// language letter and the model counted from 0.
[[nodiscard]] ModelChoice ReadCommandLine(std::string_view commandLine);
// "Fly0" + N below 10, else "Fly" + N.
[[nodiscard]] PathString ModelStem(int modelNumber);
[[nodiscard]] ModelFileNames BuildModelFileNames(const PathString& modelDir, int modelNumber);
