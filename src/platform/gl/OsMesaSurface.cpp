// The off-screen OpenGL surface on OSMesa.
#define GL_GLEXT_PROTOTYPES 1
#include "platform/gl/OsMesaSurface.h"

#include <GL/gl.h>
#include <GL/osmesa.h>

#include <algorithm>

namespace {

constexpr int32_t kMaxGlSide = 16384;
constexpr int32_t kMaxSide = 32768;
constexpr int64_t kMaxPixels = int64_t(1) << 26;

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

OsMesaSurface::OsMesaSurface(int32_t w, int32_t h) {
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide || int64_t(w) * h > kMaxPixels) return;
    width = w, height = h;
    pixels.assign(size_t(w) * size_t(h), 0);
    if (w > kMaxGlSide || h > kMaxGlSide) return;
    // 32 depth bits are asked for; OSMesa gives 24, which serves.
    context = OSMesaCreateContextExt(OSMESA_BGRA, 32, 0, 0, nullptr);
    if (context == nullptr) return;
    if (!OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, w, h)) {
        OSMesaDestroyContext(context);
        context = nullptr;
        return;
    }
    SetOneTimeState();
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
        return OSMesaMakeCurrent(context, buffer, GL_UNSIGNED_BYTE, width, height);
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

void OsMesaSurface::SetViewport(const GlViewport& viewport) {
    if (!Current() || viewport[2] < 0 || viewport[3] < 0) return;
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
}

GlViewport OsMesaSurface::Viewport() const {
    GlViewport viewport{};
    if (!Current()) return viewport;
    GLint values[4];
    glGetIntegerv(GL_VIEWPORT, values);
    std::copy(values, values + 4, viewport.begin());
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
    glWindowPos2i(dest.left, height - dest.bottom);
    glDrawPixels(w, h, GL_BGR, GL_UNSIGNED_BYTE, picture.pixels);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    if (texturing) glEnable(GL_TEXTURE_2D);
    if (depth) glEnable(GL_DEPTH_TEST);
}

void OsMesaSurface::ClearDepth(const Rect& area) {
    Copy c{area.left, area.top, area.left, area.top, int64_t(area.right) - area.left,
           int64_t(area.bottom) - area.top};
    if (!Current() || !Clip(c, width, height, width, height)) return;
    // Only the rectangle: clearing all of a screen-sized buffer costs more than a pane's render.
    glEnable(GL_SCISSOR_TEST);
    glScissor(GLint(c.dx), GLint(height - (c.dy + c.h)), GLsizei(c.w), GLsizei(c.h));
    glClear(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

int OsMesaSurface::CopyToWindow(int32_t sx, int32_t sy, const Rect& dest, Surface& window) {
    Copy c{sx, sy, dest.left, dest.top, int64_t(dest.right) - dest.left,
           int64_t(dest.bottom) - dest.top};
    if (pixels.empty() || window.IsEmpty() ||
        !Clip(c, width, height, window.Width(), window.Height()))
        return 0;
    const uint32_t* source = pixels.data();
    int64_t first = c.sy * width + c.sx, rowStep = width;
    if (Current()) {
        // Read the pane itself rather than OSMesa's copy of the whole buffer.
        readBack.resize(size_t(c.w * c.h));
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(GLint(c.sx), GLint(height - (c.sy + c.h)), GLsizei(c.w), GLsizei(c.h),
                     GL_BGRA, GL_UNSIGNED_BYTE, readBack.data());
        source = readBack.data();
        first = (c.h - 1) * c.w;  // rows come bottom-up: the top row is the last
        rowStep = -c.w;
    }
    for (int64_t y = 0; y < c.h; ++y) {
        const uint32_t* from = source + first + y * rowStep;
        uint32_t* to = window.Row(int32_t(c.dy + y)) + c.dx;
        for (int64_t x = 0; x < c.w; ++x) to[x] = from[x] & 0x00FFFFFFu;
    }
    window.Touch({int32_t(c.dx), int32_t(c.dy), int32_t(c.dx + c.w), int32_t(c.dy + c.h)});
    return 1;
}
