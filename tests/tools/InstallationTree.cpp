// InstallationTree: locates the generated installation and runs the checker on copies of it.
#include "InstallationTree.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string Tool() {
    const char* tool = std::getenv("ZEPHINE_DATA_TOOL");
    return tool ? tool : "";
}

}  // namespace

std::string GeneratedTree() {
    // The build writes the tree into tools/datagen/installation, beside tools/zephine-data.
    const std::string tool = Tool();
    if (tool.empty()) return {};
    const fs::path tree = fs::path(tool).parent_path() / "datagen" / "installation";
    std::error_code ec;
    return fs::is_directory(tree / "Diy", ec) ? tree.string() : std::string();
}

CheckRun RunDataTool(const std::string& arguments) {
    CheckRun run;
    const std::string command = "'" + Tool() + "' " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool CopyGeneratedTree(const TempDir& dir) {
    const std::string tree = GeneratedTree();
    if (tree.empty() || dir.Path().empty()) return false;
    std::error_code ec;
    fs::copy(tree, dir.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    return !ec;
}

void ReplaceFile(const TempDir& dir, const std::string& name, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    fs::remove(dir.File(name), ec);
    dir.Write(name, bytes);
}
