// MoviePlayer: plays a movie by asking the movie source for the picture at one time after
// another and drawing it scaled into a rectangle, timing the steps itself. One picture is
// fetched ahead, so that in continuous play each step draws a picture already in hand.
#pragma once

#include <cstdint>

#include "base/PathString.h"
#include "base/Rect.h"
#include "platform/MovieSource.h"
#include "platform/Surface.h"

class MoviePlayer {
public:
    // `source` none: no movie ever opens.
    explicit MoviePlayer(MovieSource* source) : source(source) {}
    // The movie closes with the player; the source outlives it.
    ~MoviePlayer() { Close(); }
    MoviePlayer(const MoviePlayer&) = delete;
    MoviePlayer& operator=(const MoviePlayer&) = delete;

    // False when a movie is already open, or the file cannot be opened as a movie. On success
    // the current time is the start and the step interval follows the time scale.
    [[nodiscard]] bool Open(const PathString& path);
    // What the paper of the movies opened from now on wears, for a source that draws them.
    void UseTexture(const BgrRows& texture) {
        if (source != nullptr) source->UseTexture(texture);
    }
    // Closes the movie (nothing when none is open) and lets its pictures go.
    void Close();

    // With a time of 0 or more: makes it the current time and draws it at once; 1.
    // With -1: draws the current time and advances by one when the step interval has passed
    // since the last timed step (`now` in milliseconds); 1 when it drew, 0 when it was not yet
    // due or the movie stands past its end.
    int Draw(Surface& device, const Rect& rect, int32_t time, uint32_t now);
    // The picture at `time` into the rectangle, leaving the current time and the picture
    // fetched ahead as they are (the step thumbnails). False when there is none.
    bool DrawStill(Surface& device, const Rect& rect, int32_t time);

    [[nodiscard]] bool IsLoaded() const { return loaded; }
    [[nodiscard]] int32_t StartTime() const { return startTime; }
    [[nodiscard]] int32_t EndTime() const { return endTime; }
    [[nodiscard]] int32_t CurrentTime() const { return currentTime; }
    void SetCurrentTime(int32_t time) { currentTime = time; }
    // The time whose picture was drawn last, -1 when none since the movie opened.
    [[nodiscard]] int32_t ShownTime() const { return shownTime; }

private:
    void DrawTime(Surface& device, const Rect& rect, int32_t time);
    void Prefetch(int32_t time);

    MovieSource* source;
    bool loaded = false;
    int32_t startTime = 0;
    int32_t endTime = 0;
    int32_t currentTime = 0;
    uint32_t lastTick = 0;
    int32_t stepInterval = 0;  // milliseconds a time unit
    // The picture of (prefetchedTime + 1), when `prefetched` says there is one.
    MoviePicture ahead;
    int32_t prefetchedTime = -2;
    bool prefetched = false;
    // The picture drawn last, kept so that drawing the same time again (a wait at a mark, a
    // repaint) costs no decoding.
    MoviePicture shown;
    int32_t shownTime = -1;
};
