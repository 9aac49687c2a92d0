// The off-screen OpenGL surface on OSMesa.
#define GL_GLEXT_PROTOTYPES 1
#include "platform/gl/OsMesaSurface.h"

#include <GL/gl.h>
#include <GL/osmesa.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kMaxGlSide = 16384;
constexpr int32_t kMaxSide = 32768;
constexpr int64_t kMaxPixels = int64_t(1) << 26;
constexpr float kSupersampleUpTo = 1.5f;

// A copy of w x h from (sx, sy) of a source sw x sh to (dx, dy) of a destination dw x dh,
// clipped to both. False when nothing is left.
struct Copy {
    int64_t sx, sy, dx, dy, w, h;
};

bool Clip(Copy& c, int64_t sw, int64_t sh, int64_t dw, int64_t dh) {
    int64_t cutX = std::max({int64_t(0), -c.sx, -c.dx});
    int64_t cutY = std::max({int64_t(0), -c.sy, -c.dy});
    c.sx += cutX, c.dx += cutX, c.w -= cutX;
    c.sy += cutY, c.dy += cutY, c.h -= cutY;
    c.w = std::min({c.w, sw - c.sx, dw - c.dx});
    c.h = std::min({c.h, sh - c.sy, dh - c.dy});
    return c.w > 0 && c.h > 0;
}

bool SoundRows(const BgrRows& rows) {
    return rows.pixels != nullptr && rows.width > 0 && rows.height > 0 &&
           rows.width <= kMaxSide && rows.height <= kMaxSide &&
           rows.stride == (rows.width * 3 + 3) / 4 * 4;
}

}  // namespace

OsMesaSurface::OsMesaSurface(int32_t w, int32_t h, float renderScale, int32_t supersample) {
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide || int64_t(w) * h > kMaxPixels) return;
    width = w, height = h;
    viewport = {0, 0, w, h};
    const double k = double(renderScale) * std::max(supersample, 1);
    if (std::isfinite(k) && k > 0) {
        const double fw = std::round(w * k), fh = std::round(h * k);
        if (fw >= 1 && fh >= 1 && fw <= kMaxGlSide && fh <= kMaxGlSide && fw * fh <= kMaxPixels)
            scale = float(k);
    }
    bufferWidth = Fine(w), bufferHeight = Fine(h);
    pixels.assign(size_t(bufferWidth) * size_t(bufferHeight), 0);
    if (bufferWidth > kMaxGlSide || bufferHeight > kMaxGlSide) return;
    // 32 depth bits are asked for; OSMesa gives 24, which serves.
    context = OSMesaCreateContextExt(OSMESA_BGRA, 32, 0, 0, nullptr);
    if (context == nullptr) return;
    if (!OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, bufferWidth, bufferHeight)) {
        OSMesaDestroyContext(context);
        context = nullptr;
        return;
    }
    SetOneTimeState();
}

int32_t OsMesaSurface::SupersampleFor(float renderScale) {
    // Measured on the preview frame: twice over costs under 2 ms more only near scale 1; finer
    // scales already cost more than that unsupersampled, and their pixels are small.
    return renderScale <= kSupersampleUpTo ? 2 : 1;
}

int32_t OsMesaSurface::Fine(int64_t v) const {
    if (scale == 1.0f) return int32_t(v);
    return int32_t(std::llround(double(v) * scale));
}

OsMesaSurface::~OsMesaSurface() {
    if (context == nullptr) return;
    if (OSMesaGetCurrentContext() == context) OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
    OSMesaDestroyContext(context);
}

bool OsMesaSurface::Current() const {
    if (context == nullptr) return false;
    if (OSMesaGetCurrentContext() != context) {
        auto* buffer = const_cast<uint32_t*>(pixels.data());
        return OSMesaMakeCurrent(context, buffer, GL_UNSIGNED_BYTE, bufferWidth, bufferHeight);
    }
    return true;
}

void OsMesaSurface::SetOneTimeState() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // The texture colour replaces the surface colour: no lighting or material shows.
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glRenderMode(GL_RENDER);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_POLYGON_SMOOTH);
    // Less-or-equal, so that a partial redraw over the previous picture wins at equal depth.
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_FLAT);
    // Filled, both faces, in rendering and in selection alike: a pick inside a triangle must
    // find it, not only a pick on one of its corners.
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void OsMesaSurface::UploadTexture(const BgrRows& rows) {
    if (!Current() || !SoundRows(rows)) return;
    glTexImage2D(GL_TEXTURE_2D, 0, 3, rows.width, rows.height, 0, GL_BGR, GL_UNSIGNED_BYTE,
                 rows.pixels);
    glEnable(GL_TEXTURE_2D);
}

void OsMesaSurface::SetViewport(const GlViewport& v) {
    if (!Current() || v[2] < 0 || v[3] < 0) return;
    viewport = v;
    // Bottom-up: the buffer's rows counted from the logical top, then turned over.
    const int32_t left = Fine(v[0]), right = Fine(int64_t(v[0]) + v[2]);
    const int32_t top = Fine(int64_t(height) - v[1] - v[3]), bottom = Fine(int64_t(height) - v[1]);
    glViewport(left, bufferHeight - bottom, right - left, bottom - top);
}

GlViewport OsMesaSurface::Viewport() const {
    if (!Current()) return {};
    return viewport;
}

void OsMesaSurface::LoadMatrices(const GlMatrix& projection, const GlMatrix& modelView) {
    if (!Current()) return;
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(projection.data());
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(modelView.data());
}

void OsMesaSurface::BeginSelection(std::span<uint32_t> buffer) {
    if (!Current() || selecting || buffer.empty()) return;
    glSelectBuffer(GLsizei(std::min(buffer.size(), size_t(1) << 30)), buffer.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0xFFFFFFFFu);
    selecting = true;
}

int32_t OsMesaSurface::EndSelection() {
    if (!Current() || !selecting) return 0;
    selecting = false;
    return glRenderMode(GL_RENDER);
}

void OsMesaSurface::LoadName(uint32_t name) {
    if (Current()) glLoadName(name);
}

void OsMesaSurface::PushName(uint32_t name) {
    if (Current()) glPushName(name);
}

void OsMesaSurface::PopName() {
    if (Current()) glPopName();
}

void OsMesaSurface::SetShade(float shade) {
    if (!Current()) return;
    // At full brightness the texture replaces the colour exactly, as the 3D view has it.
    const bool full = !(shade < 1);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, full ? GL_DECAL : GL_MODULATE);
    const float s = full ? 1.0f : std::max(shade, 0.0f);
    glColor3f(s, s, s);
}

void OsMesaSurface::DrawTriangles(std::span<const GlCorner> corners) {
    if (!Current() || corners.size() < 3) return;
    glBegin(GL_TRIANGLES);
    for (size_t i = 0; i + 3 <= corners.size(); i += 3) {
        for (size_t c = i; c < i + 3; ++c) {
            glTexCoord2f(corners[c].u, corners[c].v);
            glVertex3f(corners[c].x, corners[c].y, corners[c].z);
        }
    }
    glEnd();
}

// glFlush makes OSMesa copy the whole screen-sized colour buffer into ours, which nothing
// reads: CopyToWindow reads the pane back itself, and that read waits for the drawing. So the
// flush is left to the read.
void OsMesaSurface::Flush() {}

int OsMesaSurface::DrawPicture(const BgrRows& picture, const Rect& dest, int32_t sx, int32_t sy) {
    if (pixels.empty() || !SoundRows(picture)) return 0;
    Copy c{sx, sy, dest.left, dest.top, int64_t(dest.right) - dest.left,
           int64_t(dest.bottom) - dest.top};
    if (!Clip(c, picture.width, picture.height, width, height)) return 0;
    if (scale != 1.0f) {
        DrawPictureScaled(picture, {int32_t(c.dx), int32_t(c.dy), int32_t(c.dx + c.w),
                                    int32_t(c.dy + c.h)}, int32_t(c.sx), int32_t(c.sy));
        return 1;
    }
    if (Current()) {
        DrawPictureGl(picture, {int32_t(c.dx), int32_t(c.dy), int32_t(c.dx + c.w),
                                int32_t(c.dy + c.h)}, int32_t(c.sx), int32_t(c.sy));
        return 1;
    }
    for (int64_t y = 0; y < c.h; ++y) {
        const uint8_t* from = picture.pixels + (picture.height - 1 - (c.sy + y)) * picture.stride +
                              c.sx * 3;
        uint32_t* to = pixels.data() + (c.dy + y) * width + c.dx;
        for (int64_t x = 0; x < c.w; ++x, from += 3)
            to[x] = uint32_t(from[2]) << 16 | uint32_t(from[1]) << 8 | from[0];
    }
    return 1;
}

// Rows go up from the picture's lower edge, as they are stored, so no flip is needed.
void OsMesaSurface::DrawPictureGl(const BgrRows& picture, const Rect& dest, int32_t sx,
                                  int32_t sy) {
    int32_t w = dest.right - dest.left, h = dest.bottom - dest.top;
    GLboolean texturing = glIsEnabled(GL_TEXTURE_2D), depth = glIsEnabled(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, picture.width);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, sx);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, picture.height - (sy + h));
    glWindowPos2i(dest.left, bufferHeight - dest.bottom);
    glDrawPixels(w, h, GL_BGR, GL_UNSIGNED_BYTE, picture.pixels);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    if (texturing) glEnable(GL_TEXTURE_2D);
    if (depth) glEnable(GL_DEPTH_TEST);
}

namespace {

// For each fine pixel of [first, last) the picture pixel left of (or above) where it samples,
// clamped to [0, side - 1], and the weight of the next one out of 256.
void SampleSpans(int32_t first, int32_t last, double scale, double offset, int32_t side,
                 std::vector<int32_t>& at, std::vector<uint32_t>& weight) {
    at.resize(size_t(last - first));
    weight.resize(at.size());
    for (int32_t i = first; i < last; ++i) {
        double p = std::clamp((i + 0.5) / scale + offset - 0.5, 0.0, double(side - 1));
        int32_t whole = std::min(int32_t(p), side - 1);
        at[size_t(i - first)] = whole;
        weight[size_t(i - first)] = uint32_t(std::lround((p - whole) * 256));
    }
}

}  // namespace

// Bilinear, as the window's picture is stretched onto the screen, so the pane's backdrop
// meets the rest of the screen without a seam. Fixed point: a screen-sized backdrop is drawn.
void OsMesaSurface::DrawPictureScaled(const BgrRows& picture, const Rect& dest, int32_t sx,
                                      int32_t sy) {
    const int32_t left = Fine(dest.left), right = Fine(dest.right);
    const int32_t top = Fine(dest.top), bottom = Fine(dest.bottom);
    const int32_t w = right - left, h = bottom - top;
    if (w < 1 || h < 1) return;
    std::vector<int32_t> xs, ys;
    std::vector<uint32_t> xw, yw;
    SampleSpans(left, right, scale, double(sx) - dest.left, picture.width, xs, xw);
    SampleSpans(top, bottom, scale, double(sy) - dest.top, picture.height, ys, yw);
    const bool gl = Current();
    uint32_t* out = pixels.data() + size_t(top) * size_t(bufferWidth) + size_t(left);
    size_t outStride = size_t(bufferWidth);
    if (gl) {
        fine.resize(size_t(w) * size_t(h));
        out = fine.data();
        outStride = size_t(w);
    }
    auto row = [&](int32_t y) { return picture.pixels + size_t(picture.height - 1 - y) * size_t(picture.stride); };
    for (int32_t y = 0; y < h; ++y) {
        const int32_t y0 = ys[size_t(y)], y1 = std::min(y0 + 1, picture.height - 1);
        const uint8_t *r0 = row(y0), *r1 = row(y1);
        const uint32_t b = yw[size_t(y)], a = 256 - b;
        // GL takes rows bottom-up.
        uint32_t* to = out + (gl ? size_t(h - 1 - y) : size_t(y)) * outStride;
        for (int32_t x = 0; x < w; ++x) {
            const int32_t x0 = xs[size_t(x)], x1 = std::min(x0 + 1, picture.width - 1);
            const uint32_t d = xw[size_t(x)], c = 256 - d;
            const uint8_t *p00 = r0 + x0 * 3, *p01 = r0 + x1 * 3, *p10 = r1 + x0 * 3, *p11 = r1 + x1 * 3;
            uint32_t value = 0xFF000000u;
            for (int ch = 0; ch < 3; ++ch) {
                uint32_t v = (p00[ch] * c + p01[ch] * d) * a + (p10[ch] * c + p11[ch] * d) * b;
                value |= ((v + 32768) >> 16) << (8 * ch);
            }
            to[x] = gl ? value : value & 0x00FFFFFFu;
        }
    }
    if (!gl) return;
    GLboolean texturing = glIsEnabled(GL_TEXTURE_2D), depth = glIsEnabled(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glWindowPos2i(left, bufferHeight - bottom);
    glDrawPixels(w, h, GL_BGRA, GL_UNSIGNED_BYTE, fine.data());
    if (texturing) glEnable(GL_TEXTURE_2D);
    if (depth) glEnable(GL_DEPTH_TEST);
}

void OsMesaSurface::ClearDepth(const Rect& area) {
    Copy c{area.left, area.top, area.left, area.top, int64_t(area.right) - area.left,
           int64_t(area.bottom) - area.top};
    if (!Current() || !Clip(c, width, height, width, height)) return;
    // Only the rectangle: clearing all of a screen-sized buffer costs more than a pane's render.
    glEnable(GL_SCISSOR_TEST);
    const int32_t left = Fine(c.dx), right = Fine(c.dx + c.w);
    const int32_t top = Fine(c.dy), bottom = Fine(c.dy + c.h);
    glScissor(left, bufferHeight - bottom, right - left, bottom - top);
    glClear(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

int OsMesaSurface::CopyToWindow(int32_t sx, int32_t sy, const Rect& dest, Surface& window) {
    Copy c{sx, sy, dest.left, dest.top, int64_t(dest.right) - dest.left,
           int64_t(dest.bottom) - dest.top};
    if (pixels.empty() || window.IsEmpty() ||
        !Clip(c, width, height, window.Width(), window.Height()))
        return 0;
    // The block in buffer pixels.
    const int32_t left = Fine(c.sx), right = Fine(c.sx + c.w);
    const int32_t top = Fine(c.sy), bottom = Fine(c.sy + c.h);
    const int64_t w = right - left, h = bottom - top;
    const uint32_t* source = pixels.data();
    int64_t first = int64_t(top) * bufferWidth + left, rowStep = bufferWidth;
    if (Current()) {
        // Read the pane itself rather than OSMesa's copy of the whole buffer.
        readBack.resize(size_t(w * h));
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(left, bufferHeight - bottom, GLsizei(w), GLsizei(h), GL_BGRA,
                     GL_UNSIGNED_BYTE, readBack.data());
        source = readBack.data();
        first = (h - 1) * w;  // rows come bottom-up: the top row is the last
        rowStep = -w;
    }
    if (scale == 1.0f) {
        for (int64_t y = 0; y < c.h; ++y) {
            const uint32_t* from = source + first + y * rowStep;
            uint32_t* to = window.Row(int32_t(c.dy + y)) + c.dx;
            for (int64_t x = 0; x < c.w; ++x) to[x] = from[x] & 0x00FFFFFFu;
        }
    } else {
        // Each window pixel the average of the buffer pixels it covers.
        for (int64_t y = 0; y < c.h; ++y) {
            const int64_t y0 = Fine(c.sy + y) - top, y1 = Fine(c.sy + y + 1) - top;
            uint32_t* to = window.Row(int32_t(c.dy + y)) + c.dx;
            for (int64_t x = 0; x < c.w; ++x) {
                const int64_t x0 = Fine(c.sx + x) - left, x1 = Fine(c.sx + x + 1) - left;
                uint32_t r = 0, g = 0, b = 0;
                for (int64_t fy = y0; fy < y1; ++fy) {
                    const uint32_t* from = source + first + fy * rowStep;
                    for (int64_t fx = x0; fx < x1; ++fx) {
                        const uint32_t p = from[fx];
                        r += p >> 16 & 0xFF, g += p >> 8 & 0xFF, b += p & 0xFF;
                    }
                }
                const uint32_t n = uint32_t(std::max<int64_t>((y1 - y0) * (x1 - x0), 1));
                to[x] = (r + n / 2) / n << 16 | (g + n / 2) / n << 8 | (b + n / 2) / n;
            }
        }
    }
    const Rect done{int32_t(c.dx), int32_t(c.dy), int32_t(c.dx + c.w), int32_t(c.dy + c.h)};
    window.Touch(done);
    if (detailSink) {
        fine.resize(size_t(w * h));
        for (int64_t y = 0; y < h; ++y) {
            const uint32_t* from = source + first + y * rowStep;
            uint32_t* to = fine.data() + y * w;
            for (int64_t x = 0; x < w; ++x) to[x] = from[x] & 0x00FFFFFFu;
        }
        detailSink(done, fine.data(), int32_t(w), int32_t(h), int32_t(w));
    }
    return 1;
}
