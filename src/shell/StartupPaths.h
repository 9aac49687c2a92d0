// Start-up paths: where the settings file lies, the data folders it names, and the language
// marker a launcher reads when the program ends.
#pragma once

#include <string_view>

#include "base/InstallPaths.h"

[[nodiscard]] PathString SettingsFilePath(const StartupEnvironment& env);
[[nodiscard]] InstallPaths ReadInstallPaths(const StartupEnvironment& env);
// Writes "c" or "e" (no line end) to the marker file; false when it cannot be written.
bool WriteLanguageMarker(const StartupEnvironment& env, Language language);
