// The processor's vector level, read once.
#include "raster/VectorLevel.h"

#include <algorithm>
#include <atomic>

namespace {

VectorLevel Detect() {
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("avx2")) return VectorLevel::Avx2;
#endif
    return VectorLevel::Plain;
}

std::atomic<VectorLevel>& Active() {
    static std::atomic<VectorLevel> active{SupportedVectorLevel()};
    return active;
}

}  // namespace

VectorLevel SupportedVectorLevel() {
    static const VectorLevel supported = Detect();
    return supported;
}

VectorLevel ActiveVectorLevel() {
    return Active().load(std::memory_order_relaxed);
}

void LimitVectorLevel(VectorLevel level) {
    Active().store(std::min(level, SupportedVectorLevel()), std::memory_order_relaxed);
}
