// The installation tree the build generated, found beside the zephine-data tool, and a way to
// run `zephine-data check` on a copy of it that a test may damage.
#pragma once

#include <string>

#include "support/TempDir.h"

struct CheckRun {
    int exitCode = -1;
    std::string output;
};

// The generated tree (holding Diy/ and Sound/); empty when it cannot be found.
[[nodiscard]] std::string GeneratedTree();
// Runs zephine-data with the arguments (each quoted) and collects what it prints.
[[nodiscard]] CheckRun RunDataTool(const std::string& arguments);
// A private copy of the generated tree under dir; false when it could not be made.
[[nodiscard]] bool CopyGeneratedTree(const TempDir& dir);
// Replaces a file of the copy (never writing through to the generated tree).
void ReplaceFile(const TempDir& dir, const std::string& name, const std::vector<uint8_t>& bytes);
