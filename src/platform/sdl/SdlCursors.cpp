// SdlCursors: monochrome cursors from the built-in pictures, made on first use.
#include "platform/sdl/SdlCursors.h"

#include <array>

#include "platform/CursorPictures.h"

namespace {

SDL_Cursor* MakeCursor(int id) {
    CursorPicture picture;
    if (!MakeCursorPicture(id, picture)) return nullptr;
    constexpr int n = CursorPicture::kSize;
    // SDL's monochrome cursor: data and mask bits, most significant bit first; data 1 with
    // mask 1 is black, data 0 with mask 1 white, mask 0 transparent.
    std::array<Uint8, n * n / 8> data{}, mask{};
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const char c = picture.pixels[y][x];
            const size_t byte = size_t(y * n + x) / 8;
            const Uint8 bit = Uint8(0x80 >> (x % 8));
            if (c != ' ') mask[byte] |= bit;
            if (c == 'X') data[byte] |= bit;
        }
    return SDL_CreateCursor(data.data(), mask.data(), n, n, picture.hotX, picture.hotY);
}

}  // namespace

SdlCursors::~SdlCursors() {
    for (auto& [id, cursor] : made) SDL_FreeCursor(cursor);
}

bool SdlCursors::Set(int id) {
    if (id == current) return true;
    auto found = made.find(id);
    SDL_Cursor* cursor = found != made.end() ? found->second : nullptr;
    if (cursor == nullptr) {
        cursor = MakeCursor(id);
        if (cursor == nullptr) return false;
        made[id] = cursor;
    }
    SDL_SetCursor(cursor);
    current = id;
    return true;
}

bool SetWindowIcon(SDL_Window* window) {
    if (window == nullptr) return false;
    std::array<uint32_t, 32 * 32> icon = MakeWindowIcon();
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon.data(), 32, 32, 32, 32 * 4,
                                                              SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return false;
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
    return true;
}
