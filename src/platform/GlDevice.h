// GlDevice port: the OpenGL rendering context as the 3D view uses it: a texture from
// blue-green-red rows, two matrices, filled textured triangles, and selection mode for picking.
#pragma once

#include <array>
#include <cstdint>
#include <span>

// A picture's pixel rows as stored in a bitmap: bottom row first, bytes blue, green, red, each
// row `stride` bytes (width * 3 rounded up to a multiple of 4).
struct BgrRows {
    const uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
};

// One triangle corner: the texture coordinate, then the vertex.
struct GlCorner {
    float u, v;
    float x, y, z;
};

// x, y, width, height in bottom-up window coordinates.
using GlViewport = std::array<int32_t, 4>;
// Column-major, as OpenGL keeps matrices.
using GlMatrix = std::array<float, 16>;

class GlDevice {
public:
    virtual ~GlDevice() = default;

    // False when no rendering context could be made: every call below then does nothing,
    // Viewport gives zeros and EndSelection gives 0 hits.
    [[nodiscard]] virtual bool HasContext() const = 0;

    // Makes the rows the 2D texture (level 0, 3 components, no border) and enables texturing.
    // Rows whose stride is not the 4-byte padded width are refused.
    virtual void UploadTexture(const BgrRows& rows) = 0;
    virtual void SetViewport(const GlViewport& viewport) = 0;
    [[nodiscard]] virtual GlViewport Viewport() const = 0;
    // Replaces both matrices.
    virtual void LoadMatrices(const GlMatrix& projection, const GlMatrix& modelView) = 0;

    // Selection mode: hit records go to `buffer`, which must live until EndSelection; the name
    // stack starts holding the one name 0xFFFFFFFF.
    virtual void BeginSelection(std::span<uint32_t> buffer) = 0;
    // Back to rendering: the number of hit records, or a negative number when they did not
    // fit in the buffer.
    [[nodiscard]] virtual int32_t EndSelection() = 0;
    [[nodiscard]] virtual bool IsSelecting() const = 0;
    virtual void LoadName(uint32_t name) = 0;
    virtual void PushName(uint32_t name) = 0;
    virtual void PopName() = 0;

    // How bright the triangles drawn from now on are: the texture's colour times `shade`
    // (0 to 1). Every surface starts at 1, the texture as it is.
    virtual void SetShade(float shade) = 0;
    // Filled triangles, three corners each, both faces.
    virtual void DrawTriangles(std::span<const GlCorner> corners) = 0;
    virtual void Flush() = 0;
};
