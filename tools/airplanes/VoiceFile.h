// VoiceFile: turns a spoken 16-bit PCM WAVE file into the installation's form, IMA ADPCM with
// its silences at either end cut to a short pause, by libavcodec's encoder.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// Silence kept before the first and after the last sound, in milliseconds.
inline constexpr int keptSilenceMs = 150;

// The part of the samples (mono 16-bit) that keeps at most keptSilenceMs of quiet at each end;
// all of them when nothing rises above the quiet.
struct SampleRange {
    size_t first = 0, count = 0;
};
[[nodiscard]] SampleRange TrimmedRange(std::span<const int16_t> samples, uint32_t rate);

// Rewrites PATH in place; a file already compressed is left alone. False with a message when
// the file is not 16-bit PCM or the encoder fails.
[[nodiscard]] bool CompressVoice(const std::string& path, std::string& error);
