// CursorRules: which cursor shows where, from the mode, the pressed control, the tool and the
// demonstration.
#pragma once

#include <cstdint>

class Controller;

struct CursorChoice {
    int cursor = 0;       // the cursor to set; 0 = keep the present shape
    int32_t cursorState;  // the value recorded in `cursorState`
};

// The first rule that applies; rules that need no demonstration apply only while none runs.
[[nodiscard]] CursorChoice ChooseCursor(const Controller& c, int32_t x, int32_t y);
