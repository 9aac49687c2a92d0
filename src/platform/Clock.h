// Clock port: the tick count.
#pragma once

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; wraps after about 49 days.
    [[nodiscard]] virtual uint32_t Ticks() const = 0;
};
