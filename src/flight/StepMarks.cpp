// The frame file's list and the mark searches.
#include "flight/StepMarks.h"

#include <algorithm>
#include <cstdio>

#include "base/InstallPaths.h"
#include "base/Tokenizer.h"

namespace {

// The number at the start of the piece, as the C library reads it: 0 when it starts with none;
// a value beyond 32 bits is held at the nearest end.
int32_t ReadNumber(std::string_view piece) {
    size_t i = 0;
    while (i < piece.size() && (piece[i] == ' ' || piece[i] == '\t')) ++i;
    bool negative = false;
    if (i < piece.size() && (piece[i] == '-' || piece[i] == '+')) negative = piece[i++] == '-';
    int64_t value = 0;
    for (; i < piece.size() && piece[i] >= '0' && piece[i] <= '9'; ++i)
        value = std::min<int64_t>(value * 10 + (piece[i] - '0'), int64_t(INT32_MAX) + 1);
    if (negative) value = -value;
    return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

void StepMarks::ReadList(std::string_view list) {
    Tokenizer pieces;
    pieces.Start(";,{}/*", list);
    const std::optional<std::string> first = pieces.Next();
    count = std::clamp(first ? ReadNumber(*first) : 0, 0, kCapacity);
    marks.fill(0);
    for (int32_t i = 0; i < count; ++i) {
        const std::optional<std::string> piece = pieces.Next();
        if (!piece) break;
        marks[size_t(i)] = ReadNumber(*piece);
    }
}

std::optional<int32_t> StepMarks::Previous(int32_t time) const {
    for (int32_t i = count - 1; i >= 0; --i)
        if (marks[size_t(i)] < time) return marks[size_t(i)];
    return std::nullopt;
}

std::optional<int32_t> StepMarks::Next(int32_t time) const {
    for (int32_t i = 1; i < count; ++i)
        if (marks[size_t(i)] > time) return marks[size_t(i)];
    return std::nullopt;
}

std::string NarrationName(int32_t model, int32_t step) {
    char name[32];
    std::snprintf(name, sizeof name, "%d-%02d", model, step);
    return name;
}

PathString MovieFileName(const PathString& movieDir, int32_t model) {
    return movieDir + ModelStem(model) + ".mov";
}
