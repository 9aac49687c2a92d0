// Fuzzes the settings-file reader and start-up's use of it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "ScratchFolder.h"
#include "platform/ProfileReader.h"
#include "shell/StartupPaths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string folder =
        ScratchFolder() + "/zephine-fuzz-profile-" + std::to_string(getpid());
    static const bool made = [] { return std::system(("mkdir -p " + folder).c_str()) == 0; }();
    if (!made) return 0;
    const std::string path = folder + "/MoPleat5.ini";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);
    const ProfileFile file(path);
    (void)file.Get("eTip", "pencil", "", 99);
    const InstallPaths paths =
        ReadInstallPaths({folder, "/x", "/home/child", "/home/child/.cache", size % 2 == 0});
    (void)paths;
    (void)ReadCommandLine(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
