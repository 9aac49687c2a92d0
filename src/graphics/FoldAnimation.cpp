// Reading and writing fold-animation files, every count and number checked before it is used.
#include "graphics/FoldAnimation.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/BinaryFile.h"

namespace {

constexpr uint16_t kVersion = 1;
// Coordinates, camera and pixel numbers beyond this are no airplane's: they would only overflow
// the arithmetic of drawing.
constexpr float kLargest = 1e6f;
// The guide's pixels may lie off the picture, but not so far that drawing its dashes takes long.
constexpr float kLargestPixel = 4.0f * FoldAnimation::kMaxSide;

class Cursor {
public:
    explicit Cursor(std::span<const uint8_t> bytes) : bytes(bytes) {}

    bool U16(uint16_t& v) {
        if (!Has(2)) return false;
        v = GetU16(bytes.data() + at);
        at += 2;
        return true;
    }
    bool U8(uint8_t& v) {
        if (!Has(1)) return false;
        v = bytes[at++];
        return true;
    }
    bool F32(float& v) {
        if (!Has(4)) return false;
        const uint32_t bits = GetU32(bytes.data() + at);
        std::memcpy(&v, &bits, 4);
        at += 4;
        return std::isfinite(v) && std::abs(v) <= kLargest;
    }
    template <size_t N>
    bool Floats(std::array<float, N>& v) {
        return std::all_of(v.begin(), v.end(), [this](float& f) { return F32(f); });
    }
    [[nodiscard]] bool Has(size_t n) const { return bytes.size() - at >= n; }
    [[nodiscard]] bool AtEnd() const { return at == bytes.size(); }

private:
    std::span<const uint8_t> bytes;
    size_t at = 0;
};

class Writer {
public:
    void U16(uint16_t v) { bytes.push_back(uint8_t(v)), bytes.push_back(uint8_t(v >> 8)); }
    void U8(uint8_t v) { bytes.push_back(v); }
    void F32(float v) {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(bits >> (8 * i)));
    }
    template <size_t N>
    void Floats(const std::array<float, N>& v) {
        for (float f : v) F32(f);
    }
    std::vector<uint8_t> bytes;
};

struct Header {
    uint16_t width, height, fps, frames, marks, vertices, triangles, poses;
};

bool ReadHeader(Cursor& in, Header& h, std::string& error) {
    uint8_t magic[4] = {};
    uint16_t version = 0;
    for (uint8_t& m : magic)
        if (!in.U8(m)) return error = "too short for a fold animation", false;
    if (std::memcmp(magic, "ZFAN", 4) != 0) return error = "not a fold animation", false;
    if (!in.U16(version) || version != kVersion) return error = "a fold animation of another version", false;
    if (!in.U16(h.width) || !in.U16(h.height) || !in.U16(h.fps) || !in.U16(h.frames) || !in.U16(h.marks) ||
        !in.U16(h.vertices) || !in.U16(h.triangles) || !in.U16(h.poses))
        return error = "the header is cut short", false;
    if (h.width < 1 || h.width > FoldAnimation::kMaxSide || h.height < 1 || h.height > FoldAnimation::kMaxSide)
        return error = "a picture size out of bounds", false;
    if (h.fps < 1 || h.fps > 120) return error = "a frame rate out of bounds", false;
    if (h.frames < 1 || h.frames > FoldAnimation::kMaxFrames) return error = "a frame count out of bounds", false;
    if (h.marks > FoldAnimation::kMaxMarks) return error = "more step marks than a movie has", false;
    if (h.vertices < 3 || h.vertices > FoldAnimation::kMaxVertices || h.triangles < 1 ||
        h.triangles > FoldAnimation::kMaxTriangles)
        return error = "a mesh size out of bounds", false;
    if (h.poses < 1 || h.poses > h.frames) return error = "a pose count out of bounds", false;
    // Everything that follows has a known least size: a short file is refused before anything
    // is allocated for it.
    const size_t least = size_t(h.marks) * 2 + size_t(h.vertices) * 8 + size_t(h.triangles) * 6 +
                         size_t(h.poses) * (24 + size_t(h.vertices) * 6) + size_t(h.frames) * 148;
    if (!in.Has(least)) return error = "the file is shorter than its counts say", false;
    return true;
}

bool ReadFrame(Cursor& in, const Header& h, FoldFrame& f) {
    uint8_t backdrop = 0, guide = 0;
    if (!in.U16(f.pose) || f.pose >= h.poses || !in.U8(backdrop) || backdrop > 1 || !in.U8(guide) || guide > 2)
        return false;
    f.backdrop = FoldBackdrop(backdrop);
    f.guide = FoldGuideKind(guide);
    return in.Floats(f.transform) && in.Floats(f.camera.eye) && in.Floats(f.camera.target) &&
           in.Floats(f.camera.up) && in.F32(f.camera.fovDegrees) && f.camera.fovDegrees >= 1 &&
           f.camera.fovDegrees <= 170 && in.Floats(f.sky) && in.Floats(f.tail) && in.F32(f.guideFade) &&
           in.Floats(f.guideLine) && in.Floats(f.guideArrow) &&
           std::all_of(f.guideLine.begin(), f.guideLine.end(), [](float v) { return std::abs(v) <= kLargestPixel; }) &&
           std::all_of(f.guideArrow.begin(), f.guideArrow.end(), [](float v) { return std::abs(v) <= kLargestPixel; });
}

bool ReadBody(Cursor& in, const Header& h, FoldAnimation& a, std::string& error) {
    a.width = h.width, a.height = h.height, a.framesPerSecond = h.fps;
    a.marks.resize(h.marks);
    for (int32_t& m : a.marks) {
        uint16_t v = 0;
        if (!in.U16(v) || v >= h.frames || (&m != a.marks.data() && v <= *(&m - 1)))
            return error = "the step marks are not rising frames of the movie", false;
        m = v;
    }
    a.uv.resize(size_t(h.vertices) * 2);
    for (float& f : a.uv)
        if (!in.F32(f)) return error = "a texture coordinate is not a number", false;
    a.triangles.resize(size_t(h.triangles) * 3);
    for (uint16_t& i : a.triangles)
        if (!in.U16(i) || i >= h.vertices) return error = "a triangle names a vertex the mesh lacks", false;
    a.poses.resize(h.poses);
    for (FoldPose& p : a.poses) {
        if (!in.Floats(p.lo) || !in.Floats(p.step)) return error = "a pose's box is not a number", false;
        p.q.resize(size_t(h.vertices) * 3);
        for (uint16_t& q : p.q)
            if (!in.U16(q)) return error = "a pose is cut short", false;
    }
    a.frames.resize(h.frames);
    for (FoldFrame& f : a.frames)
        if (!ReadFrame(in, h, f)) return error = "a frame is cut short or out of bounds", false;
    if (!in.AtEnd()) return error = "bytes after the last frame", false;
    return true;
}

}  // namespace

bool ReadFoldAnimation(std::span<const uint8_t> bytes, FoldAnimation& out, std::string& error) {
    out = FoldAnimation();
    Cursor in(bytes);
    Header h{};
    FoldAnimation a;
    if (!ReadHeader(in, h, error) || !ReadBody(in, h, a, error)) return false;
    out = std::move(a);
    return true;
}

bool LoadFoldAnimation(const PathString& path, FoldAnimation& out, std::string& error) {
    out = FoldAnimation();
    BinaryFile file;
    if (!file.Open(path)) return error = "cannot open " + path, false;
    // The largest file the reader could accept is far below this.
    constexpr int64_t kLargestFile = int64_t(1) << 30;
    if (file.Size() > kLargestFile) return error = path + " is too large", false;
    std::vector<uint8_t> bytes(size_t(file.Size()));
    if (file.Read(bytes.data(), bytes.size()) != bytes.size()) return error = "cannot read " + path, false;
    if (!ReadFoldAnimation(bytes, out, error)) return error = path + ": " + error, false;
    return true;
}

std::vector<uint8_t> FoldAnimationBytes(const FoldAnimation& a) {
    Writer w;
    for (char c : {'Z', 'F', 'A', 'N'}) w.U8(uint8_t(c));
    w.U16(kVersion);
    for (size_t v : {size_t(a.width), size_t(a.height), size_t(a.framesPerSecond), a.frames.size(), a.marks.size(),
                     a.uv.size() / 2, a.triangles.size() / 3, a.poses.size()})
        w.U16(uint16_t(v));
    for (int32_t m : a.marks) w.U16(uint16_t(m));
    for (float f : a.uv) w.F32(f);
    for (uint16_t i : a.triangles) w.U16(i);
    for (const FoldPose& p : a.poses) {
        w.Floats(p.lo);
        w.Floats(p.step);
        for (uint16_t q : p.q) w.U16(q);
    }
    for (const FoldFrame& f : a.frames) {
        w.U16(f.pose);
        w.U8(uint8_t(f.backdrop));
        w.U8(uint8_t(f.guide));
        w.Floats(f.transform);
        w.Floats(f.camera.eye);
        w.Floats(f.camera.target);
        w.Floats(f.camera.up);
        w.F32(f.camera.fovDegrees);
        w.Floats(f.sky);
        w.Floats(f.tail);
        w.F32(f.guideFade);
        w.Floats(f.guideLine);
        w.Floats(f.guideArrow);
    }
    return std::move(w.bytes);
}

FoldPose MakeFoldPose(std::span<const float> positions) {
    FoldPose pose;
    const size_t n = positions.size() / 3;
    for (int axis = 0; axis < 3; ++axis) {
        float lo = 0, hi = 0;
        for (size_t v = 0; v < n; ++v) {
            const float p = positions[v * 3 + size_t(axis)];
            lo = v == 0 ? p : std::min(lo, p);
            hi = v == 0 ? p : std::max(hi, p);
        }
        pose.lo[size_t(axis)] = lo;
        pose.step[size_t(axis)] = (hi - lo) / 65535.0f;
    }
    pose.q.resize(n * 3);
    for (size_t v = 0; v < n; ++v)
        for (size_t axis = 0; axis < 3; ++axis) {
            const float step = pose.step[axis];
            const float q = step > 0 ? (positions[v * 3 + axis] - pose.lo[axis]) / step : 0.0f;
            pose.q[v * 3 + axis] = uint16_t(std::clamp(std::lround(q), 0L, 65535L));
        }
    return pose;
}

PathString FoldAnimationFileFor(const PathString& moviePath) {
    const size_t dot = moviePath.find_last_of('.');
    const size_t slash = moviePath.find_last_of('/');
    if (dot == PathString::npos || (slash != PathString::npos && dot < slash)) return moviePath + ".fan";
    return moviePath.substr(0, dot) + ".fan";
}
