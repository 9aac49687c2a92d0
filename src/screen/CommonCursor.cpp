// The cursor rules shared by the screens.
#include "screen/ScreenHost.h"

CursorId CommonCursor(const ScreenLayout& l, int32_t x, int32_t y, bool touring) {
    if (!touring && l.vol.Contains(x, y)) return CursorId::slider;
    if (l.ModelPick1.Contains(x, y) || l.ModelPick2.Contains(x, y) ||
        l.ModelPick3.Contains(x, y) || l.help.Contains(x, y))
        return touring ? CursorId::arrow : CursorId::pick;
    return CursorId::arrow;
}
