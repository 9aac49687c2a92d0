// Fuzzes the tooltip and message texts: Zephine.ini read and every text cut to the length the
// program keeps, which must stay whole UTF-8 (a cut character would reach the font renderer).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "ScratchFolder.h"
#include "platform/ProfileReader.h"

namespace {

// True when the value is the text's start, cut only before a character's first byte (or to
// nothing, when the text begins with stray continuation bytes).
bool CutAtCharacter(const std::string& value, const std::string& whole) {
    if (value.size() > whole.size() || whole.compare(0, value.size(), value) != 0) return false;
    return value.empty() || value.size() == whole.size() ||
           (static_cast<uint8_t>(whole[value.size()]) & 0xC0) != 0x80;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path =
        ScratchFolder() + "/zephine-fuzz-tips-" + std::to_string(getpid()) + ".ini";
    if (!WriteScratchFile(path, data, size)) return 0;
    const ProfileFile file(path);
    for (const char* section : {"cTip", "eTip", "String"}) {
        for (const char* key : {"pencil", "exit", "cdelete", "efull", "saveback"}) {
            const std::optional<std::string> whole = file.Find(section, key);
            for (const size_t limit : {size_t(1), size_t(2), size_t(99), size_t(100)}) {
                const std::string value = file.Get(section, key, "", limit);
                if (value.size() > limit) __builtin_trap();
                if (whole && !CutAtCharacter(value, *whole)) __builtin_trap();
            }
        }
    }
    return 0;
}
