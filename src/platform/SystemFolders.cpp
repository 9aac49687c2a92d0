// Reads the process's environment for start-up.
#include "platform/SystemFolders.h"

#include <cstdlib>
#include <filesystem>

namespace {

PathString Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? PathString(value) : PathString();
}

PathString NoTrailingSlash(PathString path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

StartupEnvironment ReadStartupEnvironment() {
    StartupEnvironment env;
    PathString home = NoTrailingSlash(Env("HOME"));
    if (home.empty()) home.push_back('.');
    // The freedesktop rule: a relative value is invalid and ignored.
    if (PathString d = Env("XDG_DATA_HOME"); !d.empty() && d[0] == '/')
        env.dataFolder = NoTrailingSlash(d);
    else
        env.dataFolder = home + "/.local/share";
    if (PathString c = Env("XDG_CACHE_HOME"); !c.empty() && c[0] == '/')
        env.cacheFolder = NoTrailingSlash(c);
    else
        env.cacheFolder = home + "/.cache";
    if (PathString s = Env("ZEPHINE_SYSTEM_DIR"); !s.empty()) {
        env.systemFolder = NoTrailingSlash(s);
    } else if (PathString x = Env("XDG_CONFIG_HOME"); !x.empty()) {
        env.systemFolder = NoTrailingSlash(x);
    } else {
        env.systemFolder = home + "/.config";
    }
    std::error_code error;
    const std::filesystem::path cwd = std::filesystem::current_path(error);
    env.currentFolder = error ? PathString(".") : NoTrailingSlash(cwd.string());
    return env;
}

std::string JoinCommandLine(int argc, const char* const* argv) {
    std::string line;
    for (int i = 0; i < argc; ++i) {
        if (i > 0) line += ' ';
        line += argv[i];
    }
    return line;
}
