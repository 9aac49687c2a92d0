// StepMarks: the step marks of one model's flight movie (movie times where a folding step
// begins), read from the frame file's list, and the searches of the transport buttons.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/PathString.h"

struct StepMarks {
    // The table holds 30 marks; a longer list keeps its first 30.
    static constexpr int32_t kCapacity = 30;

    // Reads "count, mark, mark, ..." cut at any of ; , { } / *. Marks the list lacks are 0.
    void ReadList(std::string_view list);
    // The last mark before `time`; none when there is none.
    [[nodiscard]] std::optional<int32_t> Previous(int32_t time) const;
    // The first mark after `time`, searched from the second mark on; none when there is none.
    [[nodiscard]] std::optional<int32_t> Next(int32_t time) const;

    int32_t count = 0;
    std::array<int32_t, kCapacity> marks{};
};

// The narration of `step` (from 1) of a model: "9-01", "12-04".
[[nodiscard]] std::string NarrationName(int32_t model, int32_t step);
// The model's movie: "Fly05.mov", "Fly12.mov" in the movie folder.
[[nodiscard]] PathString MovieFileName(const PathString& movieDir, int32_t model);
