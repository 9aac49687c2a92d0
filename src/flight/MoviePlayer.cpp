// The movie player's timing and its one-picture prefetch.
#include "flight/MoviePlayer.h"

#include <utility>

#include "graphics/DibDrawing.h"

bool MoviePlayer::Open(const PathString& path) {
    if (loaded || source == nullptr) return false;
    if (!source->Open(path)) return false;
    startTime = 0;
    endTime = source->Duration();
    const int32_t scale = source->TimeScale();
    stepInterval = scale > 0 ? 1000 / scale : 1000;
    currentTime = startTime;
    lastTick = 0;
    prefetched = false;
    prefetchedTime = -2;
    shownTime = -1;
    loaded = true;
    return true;
}

void MoviePlayer::Close() {
    if (!loaded) return;
    source->Close();
    loaded = false;
    prefetched = false;
    shownTime = -1;
    // The storage goes with the movie; the next one may have another size.
    ahead = MoviePicture();
    shown = MoviePicture();
}

int MoviePlayer::Draw(Surface& device, const Rect& rect, int32_t time, uint32_t now) {
    if (time >= 0) {
        currentTime = time;
        DrawTime(device, rect, time);
        return 1;
    }
    if (currentTime > endTime) return 0;
    if (now - lastTick < uint32_t(stepInterval)) return 0;
    lastTick = now;
    DrawTime(device, rect, currentTime);
    ++currentTime;
    return 1;
}

void MoviePlayer::DrawTime(Surface& device, const Rect& rect, int32_t time) {
    if (!loaded || time > endTime) return;
    if (time != shownTime) {
        if (prefetched && prefetchedTime + 1 == time) {
            std::swap(shown, ahead);
            shownTime = time;
        } else {
            shownTime = source->PictureAt(time, shown) ? time : -1;
        }
        Prefetch(time + 1);
        prefetchedTime = time;
    }
    if (shownTime == time) DrawRowsStretched(shown.Rows(), device, rect);
}

void MoviePlayer::Prefetch(int32_t time) {
    prefetched = time <= endTime && source->PictureAt(time, ahead);
}

bool MoviePlayer::DrawStill(Surface& device, const Rect& rect, int32_t time) {
    if (!loaded || time < 0 || time > endTime) return false;
    if (time == shownTime) return DrawRowsStretched(shown.Rows(), device, rect) == 1;
    MoviePicture still;
    return source->PictureAt(time, still) && DrawRowsStretched(still.Rows(), device, rect) == 1;
}
