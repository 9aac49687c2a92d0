// LaunchOptions: the program's own options, taken out of the command line before the tail rule
// reads the rest (the language letter and model number at its end).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct LaunchOptions {
    enum class Action { run, help, version, error };
    Action action = Action::run;
    int32_t windowWidth = 0;  // --window WxH: a plain window of that size
    int32_t windowHeight = 0;
    bool unscaled = false;    // --unscaled: the design 1:1, not filling the display
    std::string error;        // one line for stderr when action is error
    std::vector<const char*> args;  // the command line without the options
};

// Reads argv. An unknown option or a malformed size is an error, not a silent default.
[[nodiscard]] LaunchOptions ReadLaunchOptions(int argc, const char* const* argv);

// What --help prints.
[[nodiscard]] const char* LaunchUsage();
