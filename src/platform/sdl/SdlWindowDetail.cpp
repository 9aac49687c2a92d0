// SdlWindow's detail layers: fine pixels of an off-screen surface shown over their block of the
// logical display, with what is drawn over them since shown on top.
#include <algorithm>
#include <cmath>

#include "platform/sdl/SdlWindow.h"

DetailSink SdlWindow::Detail() {
    return [this](const Rect& dest, const uint32_t* pixels, int32_t w, int32_t h, int32_t stride) {
        ShowDetail(dest, pixels, w, h, stride);
    };
}

void SdlWindow::ShowDetail(const Rect& dest, const uint32_t* pixels, int32_t w, int32_t h,
                           int32_t stride) {
    Rect block;
    if (renderer == nullptr || pixels == nullptr || w < 1 || h < 1 || stride < w ||
        !Intersect(dest, client.Bounds(), block) || block != dest)
        return;
    if (glRenderer) (void)SDL_GL_MakeCurrent(window, nullptr);  // see Present
    // A part of a layer's block (a pane partly redrawn) goes into that layer.
    for (DetailLayer& l : detail) {
        Rect common;
        if (l.dest == dest || !Intersect(l.dest, dest, common) || common != dest) continue;
        const double kx = double(l.width) / l.dest.Width(), ky = double(l.height) / l.dest.Height();
        const int32_t fx = int32_t(std::lround((dest.left - l.dest.left) * kx));
        const int32_t fy = int32_t(std::lround((dest.top - l.dest.top) * ky));
        const SDL_Rect part{fx, fy, std::min(w, l.width - fx), std::min(h, l.height - fy)};
        if (part.w > 0 && part.h > 0) (void)SDL_UpdateTexture(l.fine, &part, pixels, stride * 4);
        for (int32_t y = dest.top; y < dest.bottom; ++y)
            std::copy_n(client.Row(y) + dest.left, dest.Width(),
                        l.base.begin() + ptrdiff_t(y - l.dest.top) * l.dest.Width() +
                            (dest.left - l.dest.left));
        return;
    }
    // A block of its own, or the one it covers again; a layer it overlaps otherwise is stale.
    std::erase_if(detail, [&](DetailLayer& l) {
        Rect common;
        if (l.dest == dest || !Intersect(l.dest, dest, common)) return false;
        DestroyLayer(l);
        return true;
    });
    auto same = std::find_if(detail.begin(), detail.end(),
                             [&](const DetailLayer& l) { return l.dest == dest; });
    if (same == detail.end()) same = detail.insert(detail.end(), DetailLayer{});
    DetailLayer& layer = *same;
    if (layer.fine == nullptr || layer.fineWidth < w || layer.fineHeight < h) {
        if (layer.fine != nullptr) SDL_DestroyTexture(layer.fine);
        layer.fine = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888,
                                       SDL_TEXTUREACCESS_STREAMING, w, h);
        layer.fineWidth = w, layer.fineHeight = h;
        if (layer.fine != nullptr) (void)SDL_SetTextureScaleMode(layer.fine, SDL_ScaleModeLinear);
    }
    if (layer.patch == nullptr || layer.dest.Width() != dest.Width() ||
        layer.dest.Height() != dest.Height()) {
        if (layer.patch != nullptr) SDL_DestroyTexture(layer.patch);
        layer.patch = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                        SDL_TEXTUREACCESS_STREAMING, dest.Width(), dest.Height());
        if (layer.patch != nullptr) {
            (void)SDL_SetTextureBlendMode(layer.patch, SDL_BLENDMODE_BLEND);
            (void)SDL_SetTextureScaleMode(layer.patch, SDL_ScaleModeLinear);
        }
    }
    if (layer.fine == nullptr || layer.patch == nullptr) {
        DropDetail();
        return;
    }
    const SDL_Rect fineArea{0, 0, w, h};
    (void)SDL_UpdateTexture(layer.fine, &fineArea, pixels, stride * 4);
    layer.dest = dest;
    layer.width = w, layer.height = h;
    layer.patched = false;
    layer.base.resize(size_t(dest.Width()) * size_t(dest.Height()));
    for (int32_t y = dest.top; y < dest.bottom; ++y)
        std::copy_n(client.Row(y) + dest.left, dest.Width(),
                    layer.base.begin() + ptrdiff_t(y - dest.top) * dest.Width());
}

void SdlWindow::UpdatePatches(const Rect& area) {
    for (auto it = detail.begin(); it != detail.end();) {
        DetailLayer& layer = *it;
        Rect common;
        if (!Intersect(area, layer.dest, common)) {
            ++it;
            continue;
        }
        const int32_t w = layer.dest.Width(), h = layer.dest.Height();
        patchPixels.assign(size_t(w) * size_t(h), 0);
        size_t changed = 0;
        for (int32_t y = 0; y < h; ++y) {
            const uint32_t* now = client.Row(layer.dest.top + y) + layer.dest.left;
            const uint32_t* then = layer.base.data() + size_t(y) * size_t(w);
            uint32_t* out = patchPixels.data() + size_t(y) * size_t(w);
            for (int32_t x = 0; x < w; ++x) {
                if (now[x] == then[x]) continue;
                out[x] = 0xFF000000u | now[x];
                ++changed;
            }
        }
        // Mostly drawn over (another screen, a box): the layer is gone.
        if (changed * 2 > patchPixels.size()) {
            DestroyLayer(layer);
            it = detail.erase(it);
            continue;
        }
        layer.patched = changed > 0;
        if (layer.patched) (void)SDL_UpdateTexture(layer.patch, nullptr, patchPixels.data(), w * 4);
        ++it;
    }
}

void SdlWindow::DrawDetail() {
    for (const DetailLayer& layer : detail) {
        const Rect device = scaling.DeviceRect(layer.dest);
        const SDL_Rect to{device.left, device.top, device.Width(), device.Height()};
        const SDL_Rect fineArea{0, 0, layer.width, layer.height};
        (void)SDL_RenderCopy(renderer, layer.fine, &fineArea, &to);
        if (layer.patched) (void)SDL_RenderCopy(renderer, layer.patch, nullptr, &to);
    }
}

void SdlWindow::DestroyLayer(DetailLayer& layer) {
    if (layer.fine != nullptr) SDL_DestroyTexture(layer.fine);
    if (layer.patch != nullptr) SDL_DestroyTexture(layer.patch);
    layer.fine = layer.patch = nullptr;
}

void SdlWindow::DropDetail() {
    for (DetailLayer& layer : detail) DestroyLayer(layer);
    detail.clear();
}
