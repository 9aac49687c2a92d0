// Sounds: the effect B100.wav and the background tune Diy.wav, synthesised from notes, and the
// writer of 16-bit mono PCM WAVE files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int soundRate = 22050;

// Samples in -1..1 written as 16-bit mono PCM; false when the file cannot be written.
[[nodiscard]] bool WriteWave(const std::string& path, const std::vector<float>& samples);
// A short, soft wooden click.
[[nodiscard]] std::vector<float> MakeClick();
// A gentle loop of about half a minute whose end runs seamlessly into its start.
[[nodiscard]] std::vector<float> MakeTune();
