// FoldAnimation: an airplane's folding-and-flight movie as geometry, so that it can be drawn
// with any skin: the mesh of the finished crease pattern with the skin's texture coordinates,
// the vertex positions of every frame, and each frame's placement, camera, backdrop and fold
// guide. The movie files are rendered from it at build time; the flight screen renders it live
// with the child's painting.
//
// The file ("Fly05.fan" beside "Fly05.mov"), all numbers little-endian:
//   "ZFAN" 1 (u16 version)
//   u16 width, height, framesPerSecond, frameCount, markCount, vertexCount, triangleCount,
//       poseCount
//   u16 marks[markCount]                       the first frame of each step, rising
//   f32 uv[vertexCount][2]                     u from the left, v from the bottom of the skin
//   u16 triangles[triangleCount][3]            vertex indices
//   poses[poseCount]: f32 lo[3], f32 step[3], u16 q[vertexCount][3]   position = lo + q * step
//   frames[frameCount]:
//     u16 pose, u8 backdrop (0 table, 1 sky), u8 guide (0 none, 1 valley, 2 mountain)
//     f32 transform[12]     row-major 3 x 4: the pose's positions into the scene
//     f32 camera[10]        eye, target, up, vertical field of view in degrees
//     f32 sky[2]            sky backdrop: how far the camera has moved across and up
//     f32 tail[3]           sky backdrop: where the trail leaves the airplane, in the scene
//     f32 guideFade, guideLine[4], guideArrow[4]   movie pixels, top-down
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/PathString.h"

enum class FoldBackdrop : uint8_t { table = 0, sky = 1 };
enum class FoldGuideKind : uint8_t { none = 0, valley = 1, mountain = 2 };

struct FoldPose {
    std::array<float, 3> lo{};
    std::array<float, 3> step{};
    std::vector<uint16_t> q;  // three a vertex
};

struct FoldCamera {
    std::array<float, 3> eye{0, 0, 8};
    std::array<float, 3> target{};
    std::array<float, 3> up{0, 1, 0};
    float fovDegrees = 30;
};

struct FoldFrame {
    uint16_t pose = 0;
    FoldBackdrop backdrop = FoldBackdrop::table;
    FoldGuideKind guide = FoldGuideKind::none;
    std::array<float, 12> transform{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0};
    FoldCamera camera;
    std::array<float, 2> sky{};
    std::array<float, 3> tail{};
    float guideFade = 0;
    std::array<float, 4> guideLine{};   // from x, y to x, y
    std::array<float, 4> guideArrow{};  // from the moving part to where it lands
};

struct FoldAnimation {
    // What the reader accepts; the airplanes use a fraction of each.
    static constexpr int32_t kMaxSide = 2048;
    static constexpr int32_t kMaxFrames = 8192;
    static constexpr int32_t kMaxMarks = 30;
    static constexpr int32_t kMaxVertices = 16384;
    static constexpr int32_t kMaxTriangles = 32768;

    int32_t width = 320;
    int32_t height = 240;
    int32_t framesPerSecond = 15;
    std::vector<int32_t> marks;
    std::vector<float> uv;             // two a vertex
    std::vector<uint16_t> triangles;   // three a triangle
    std::vector<FoldPose> poses;
    std::vector<FoldFrame> frames;

    // Vertex v of the pose, before the frame's transform.
    [[nodiscard]] std::array<float, 3> Position(const FoldPose& pose, size_t v) const {
        return {pose.lo[0] + pose.q[v * 3] * pose.step[0], pose.lo[1] + pose.q[v * 3 + 1] * pose.step[1],
                pose.lo[2] + pose.q[v * 3 + 2] * pose.step[2]};
    }
};

// Reads the bytes of a fold-animation file. False, with `error` saying what is wrong, when they
// are short, of another kind, or hold a count, index or number out of bounds; `out` is then
// left empty.
[[nodiscard]] bool ReadFoldAnimation(std::span<const uint8_t> bytes, FoldAnimation& out,
                                     std::string& error);
[[nodiscard]] bool LoadFoldAnimation(const PathString& path, FoldAnimation& out, std::string& error);
// The file's bytes; the animation must be one the reader accepts.
[[nodiscard]] std::vector<uint8_t> FoldAnimationBytes(const FoldAnimation& animation);
// Quantises positions (three floats a vertex) into a pose, to 16 bits on each axis.
[[nodiscard]] FoldPose MakeFoldPose(std::span<const float> positions);
// "Fly05.fan" for "Fly05.mov": the animation file beside a movie file.
[[nodiscard]] PathString FoldAnimationFileFor(const PathString& moviePath);
