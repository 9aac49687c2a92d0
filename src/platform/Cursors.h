// Cursors port: the window's class cursor, chosen among the program's built-in cursors.
#pragma once

class Cursors {
public:
    virtual ~Cursors() = default;
    // Makes cursor `id` (156 to 167) the window's cursor; it shows from the next pointer
    // movement. False when the id is unknown or the cursor could not be made (the cursor
    // then stays as it was).
    virtual bool Set(int id) = 0;
};
