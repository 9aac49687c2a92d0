// Cursors port: the window's class cursor, chosen among the program's built-in cursors.
#pragma once

// The built-in cursors.
enum class CursorId : int {
    keep = 0,  // leave the present shape
    arrow = 156,
    pencil = 157,
    move = 158,
    slider = 159,
    spray = 160,
    rotate = 161,
    eraser = 162,
    stamp = 163,
    zoomOut = 164,
    zoomIn = 165,
    pick = 167,
};

class Cursors {
public:
    virtual ~Cursors() = default;
    // Makes cursor `id` (156 to 167) the window's cursor; it shows from the next pointer
    // movement. False when the id is unknown or the cursor could not be made (the cursor
    // then stays as it was).
    virtual bool Set(int id) = 0;
};
