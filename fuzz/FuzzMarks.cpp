// Fuzzes the frame file's step-mark lists: the section reader, the list's tokens and integers,
// and the transport buttons' searches over what was read.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "flight/StepMarks.h"
#include "graphics/SectionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SectionFile file;
    file.OpenText(text);
    for (int model = 1; model <= 27; model += 13) {
        StepMarks marks;
        marks.ReadList(file.Value("FRAME", "Frame", model).value_or(""));
        if (marks.count < 0 || marks.count > StepMarks::kCapacity) __builtin_trap();
        for (const int32_t time : {INT32_MIN, -1, 0, 40, 90, INT32_MAX}) {
            (void)marks.Previous(time);
            (void)marks.Next(time);
        }
    }
    // The list on its own, as a frame file's value would give it.
    StepMarks raw;
    raw.ReadList(text);
    if (raw.count < 0 || raw.count > StepMarks::kCapacity) __builtin_trap();
    return 0;
}
