// FoldMovieSource: the flight screen's movie source that folds and flies the child's own
// painting. With a texture to wear and the movie's fold-animation file beside it, it draws each
// picture from the animation through an off-screen 3D surface of its own; otherwise (nothing
// painted, no animation file or a broken one, no 3D surface) the movie file plays.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "graphics/FoldAnimation.h"
#include "graphics/FoldRenderer.h"
#include "platform/GlSurface.h"
#include "platform/MovieSource.h"

class FoldMovieSource final : public MovieSource {
public:
    using SurfaceMaker = std::function<std::unique_ptr<GlSurface>(int32_t, int32_t)>;

    // `files` none: only drawn movies play; `makeSurface` unset: only files play.
    FoldMovieSource(MovieSource* files, SurfaceMaker makeSurface)
        : files(files), makeSurface(std::move(makeSurface)) {}

    void UseTexture(const BgrRows& texture) override;
    [[nodiscard]] bool Open(const std::string& path) override;
    void Close() override;
    [[nodiscard]] int32_t Duration() const override;
    [[nodiscard]] int32_t TimeScale() const override;
    [[nodiscard]] bool PictureAt(int32_t t, MoviePicture& picture) override;

    // True while the open movie is drawn from its animation.
    [[nodiscard]] bool Drawing() const { return drawing; }

private:
    [[nodiscard]] bool OpenAnimation(const std::string& moviePath);

    MovieSource* files;
    SurfaceMaker makeSurface;
    std::vector<uint8_t> texturePixels;
    BgrRows texture;
    FoldAnimation animation;
    std::unique_ptr<GlSurface> surface;
    FoldRenderer renderer;
    Canvas frame;
    bool drawing = false;
};
