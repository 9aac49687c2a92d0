// Where start-up finds the system folder, the working directory, home and the command line.
#pragma once

#include "base/InstallPaths.h"

// The system folder is $ZEPHINE_SYSTEM_DIR, else $XDG_CONFIG_HOME, else $HOME/.config; the
// data folder $XDG_DATA_HOME, else $HOME/.local/share.
// `launched` is left false: the launcher link decides it.
[[nodiscard]] StartupEnvironment ReadStartupEnvironment();
// The program path and its arguments joined by single spaces.
[[nodiscard]] std::string JoinCommandLine(int argc, const char* const* argv);
