// Which vector instructions the raster kernels use. The level is read from the processor once;
// every fast path gives the same bytes as the plain one, so the level only changes the speed.
#pragma once

enum class VectorLevel { Plain, Avx2 };

// The best level this processor offers.
[[nodiscard]] VectorLevel SupportedVectorLevel();
// The level the kernels use now: the supported one unless it was limited.
[[nodiscard]] VectorLevel ActiveVectorLevel();
// Uses at most `level` from now on (never more than the processor offers); the tests run every
// level this way.
void LimitVectorLevel(VectorLevel level);
