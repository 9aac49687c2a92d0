// Renderer: the tool's own z-buffered, textured triangle rasteriser for the movie frames and the
// airplane pictures. Both faces are drawn, lit a little by how they face the light.
#pragma once

#include <vector>

#include "Airplane3D.h"
#include "graphics/Canvas.h"

struct Camera {
    Vec3 eye{0, 0, 8};
    Vec3 target{0, 0, 0};
    Vec3 up{0, 1, 0};
    double fovDegrees = 30;  // vertical
};

class Renderer {
public:
    // Draws at `supersample` times the size and averages down in Resolve.
    Renderer(int width, int height, int supersample);

    // The background (scaled to the working size); coverage starts empty.
    void Clear(const Canvas& background);
    void Draw(const std::vector<Triangle3>& tris, const Canvas& texture, const Camera& camera);
    // The picture at the final size, and how much of each pixel the paper covers (0 .. 255).
    [[nodiscard]] Canvas Resolve(std::vector<uint8_t>* coverage = nullptr) const;

private:
    void Raster(const Vec3 (&p)[3], const Vec2 (&uv)[3], double shade, const Canvas& texture);

    int width, height, factor;
    Canvas colour;
    std::vector<float> depth;  // 1 / distance; larger is nearer
    std::vector<uint8_t> covered;
};
