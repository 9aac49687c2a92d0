// Choosing between the drawn movie and the movie file, and drawing the pictures.
#include "flight/FoldMovieSource.h"

void FoldMovieSource::UseTexture(const BgrRows& rows) {
    texturePixels.clear();
    texture = {};
    if (rows.pixels == nullptr || rows.width < 1 || rows.height < 1 || rows.stride < rows.width * 3) return;
    texturePixels.assign(rows.pixels, rows.pixels + size_t(rows.stride) * size_t(rows.height));
    texture = {texturePixels.data(), rows.width, rows.height, rows.stride};
}

bool FoldMovieSource::OpenAnimation(const std::string& moviePath) {
    if (texture.pixels == nullptr || !makeSurface) return false;
    std::string error;
    if (!LoadFoldAnimation(FoldAnimationFileFor(moviePath), animation, error)) return false;
    // The surface is kept from one movie to the next; the airplanes' movies share one size.
    if (!surface || surface->Width() != animation.width || surface->Height() != animation.height)
        surface = makeSurface(animation.width, animation.height);
    if (!surface || !surface->HasContext()) {
        surface.reset();
        animation = FoldAnimation();
        return false;
    }
    return true;
}

bool FoldMovieSource::Open(const std::string& path) {
    Close();
    drawing = OpenAnimation(path);
    return drawing || (files != nullptr && files->Open(path));
}

void FoldMovieSource::Close() {
    if (drawing) {
        drawing = false;
        animation = FoldAnimation();
    }
    if (files != nullptr) files->Close();
}

int32_t FoldMovieSource::Duration() const {
    if (drawing) return int32_t(animation.frames.size());
    return files != nullptr ? files->Duration() : 0;
}

int32_t FoldMovieSource::TimeScale() const {
    if (drawing) return animation.framesPerSecond;
    return files != nullptr ? files->TimeScale() : 0;
}

bool FoldMovieSource::PictureAt(int32_t t, MoviePicture& picture) {
    if (!drawing) return files != nullptr && files->PictureAt(t, picture);
    if (!renderer.Render(animation, t, texture, *surface, frame)) return false;
    picture.width = frame.Width();
    picture.height = frame.Height();
    picture.stride = Canvas::BgrStride(picture.width);
    const size_t size = size_t(picture.stride) * size_t(picture.height);
    if (picture.pixels.size() < size) picture.pixels.resize(size);
    frame.ToBgrRows(picture.pixels.data(), picture.stride);
    return true;
}
