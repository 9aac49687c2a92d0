// The subcommands of zephine-data. Each gets the arguments after its own name, prints one line
// of key=value pairs (lists last, on their own lines) and returns the exit code: 0 or 1.
#pragma once

#include <string>
#include <vector>

using Args = std::vector<std::string>;

int RunBmp(const Args& args);
int RunWav(const Args& args);
int RunModel(const Args& args);
int RunSection(const Args& args);
int RunProfile(const Args& args);
int RunPaths(const Args& args);
int RunRender(const Args& args);
int RunPick(const Args& args);
int RunCheck(const Args& args);
int RunMovie(const Args& args);
int RunLayout(const Args& args);

// Parses a whole decimal integer; false for anything else.
bool ParseInt(const std::string& text, long& value);
