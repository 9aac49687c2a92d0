// Rasterising: perspective projection, edge functions over each triangle's box, texture
// coordinates interpolated with the perspective taken into account.
#include "Renderer.h"

#include <algorithm>
#include <cmath>

Renderer::Renderer(int w, int h, int ss)
    : width(w), height(h), factor(ss), colour(w * ss, h * ss, {}),
      depth(size_t(w * ss) * size_t(h * ss), 0.f), covered(depth.size(), 0) {}

void Renderer::Clear(const Canvas& background) {
    colour.Paste(background, 0, 0, colour.Width(), colour.Height());
    std::fill(depth.begin(), depth.end(), 0.f);
    std::fill(covered.begin(), covered.end(), 0);
}

void Renderer::Draw(const std::vector<Triangle3>& tris, const Canvas& texture, const Camera& cam) {
    const Vec3 back = Normalised(cam.eye - cam.target);
    const Vec3 right = Normalised(Cross(cam.up, back)), up = Cross(back, right);
    const double focal = colour.Height() / 2.0 / std::tan(cam.fovDegrees * M_PI / 360);
    const Vec3 light = Normalised(Vec3{0.4, 0.7, 0.6});
    for (const Triangle3& t : tris) {
        Vec3 s[3];
        Vec2 uv[3];
        bool visible = true;
        for (int k = 0; k < 3; ++k) {
            const Vec3 v = t.c[k].position - cam.eye;
            const double z = -Dot(v, back);  // distance in front of the eye
            if (z < 1e-3) visible = false;
            s[k] = {colour.Width() / 2.0 + focal * Dot(v, right) / z,
                    colour.Height() / 2.0 - focal * Dot(v, up) / z, 1 / z};
            uv[k] = t.c[k].texture;
        }
        if (!visible) continue;
        const Vec3 n = Normalised(Cross(t.c[1].position - t.c[0].position,
                                        t.c[2].position - t.c[0].position));
        Raster(s, uv, 0.62 + 0.38 * std::abs(Dot(n, light)), texture);
    }
}

void Renderer::Raster(const Vec3 (&p)[3], const Vec2 (&uv)[3], double shade, const Canvas& tex) {
    const double area = (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
    if (std::abs(area) < 1e-9) return;
    const int x0 = std::max(0, int(std::floor(std::min({p[0].x, p[1].x, p[2].x}))));
    const int x1 = std::min(colour.Width() - 1, int(std::ceil(std::max({p[0].x, p[1].x, p[2].x}))));
    const int y0 = std::max(0, int(std::floor(std::min({p[0].y, p[1].y, p[2].y}))));
    const int y1 = std::min(colour.Height() - 1, int(std::ceil(std::max({p[0].y, p[1].y, p[2].y}))));
    const int tw = tex.Width(), th = tex.Height();
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            double w[3];
            for (int k = 0; k < 3; ++k) {
                const Vec3& a = p[(k + 1) % 3];
                const Vec3& b = p[(k + 2) % 3];
                w[k] = ((b.x - a.x) * (py - a.y) - (px - a.x) * (b.y - a.y)) / area;
            }
            if (w[0] < 0 || w[1] < 0 || w[2] < 0) continue;
            const double iz = w[0] * p[0].z + w[1] * p[1].z + w[2] * p[2].z;
            const size_t at = size_t(y) * size_t(colour.Width()) + size_t(x);
            if (float(iz) <= depth[at]) continue;
            depth[at] = float(iz);
            covered[at] = 1;
            double u = 0, v = 0;
            for (int k = 0; k < 3; ++k) {
                u += w[k] * p[k].z * uv[k].x;
                v += w[k] * p[k].z * uv[k].y;
            }
            u /= iz;
            v /= iz;
            const int tx = std::clamp(int(u * tw), 0, tw - 1), ty = std::clamp(int((1 - v) * th), 0, th - 1);
            const RgbPixel c = tex.Get(tx, ty);
            colour.Set(x, y, {uint8_t(c.r * shade), uint8_t(c.g * shade), uint8_t(c.b * shade)});
        }
    }
}

Canvas Renderer::Resolve(std::vector<uint8_t>* coverage) const {
    Canvas out(width, height, {});
    if (coverage != nullptr) coverage->assign(size_t(width) * size_t(height), 0);
    const int n = factor * factor;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int r = 0, g = 0, b = 0, cov = 0;
            for (int j = 0; j < factor; ++j) {
                for (int i = 0; i < factor; ++i) {
                    const int sx = x * factor + i, sy = y * factor + j;
                    const RgbPixel c = colour.Get(sx, sy);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    cov += covered[size_t(sy) * size_t(colour.Width()) + size_t(sx)];
                }
            }
            out.Set(x, y, {uint8_t(r / n), uint8_t(g / n), uint8_t(b / n)});
            if (coverage != nullptr) (*coverage)[size_t(y) * size_t(width) + size_t(x)] = uint8_t(cov * 255 / n);
        }
    }
    return out;
}
