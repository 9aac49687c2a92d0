// ModelMesh: the triangle mesh of one airplane model and its texture coordinates on the skin,
// loaded from a model file (a section file with the counts in "SUM" and the lists in "DATA").
//
// Loading reads what the file holds and then checks it: a count that is negative or larger
// than the file could hold counts 0, and a triangle with a vertex or texture-coordinate index
// outside its list is left out, so the view can draw and pick every triangle it is given.
// Each such finding is kept in `problems` for the people who make the files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/PathString.h"

class SectionFile;

class ModelMesh {
public:
    // Numbers per item of each list.
    static constexpr int materialSize = 15;
    static constexpr int triangleSize = 9;  // 3 vertex, 3 normal, 3 texture-coordinate indices
    static constexpr int vertexSize = 3;
    static constexpr int textureSize = 2;
    static constexpr int materialRefSize = 2;

    // Fills the mesh from the model file at path. When the file cannot be opened the mesh is
    // left empty and the result is false: the caller tells the child.
    [[nodiscard]] bool Load(const PathString& path);
    // Fills the mesh from a section file that is already open.
    void Load(SectionFile& file);
    // All counts 0, all lists and problems empty.
    void Clear();

    int32_t triangleCount = 0;
    int32_t materialCount = 0;
    int32_t vertexCount = 0;
    int32_t normalCount = 0;  // as named by the file; no normal data is kept
    int32_t textureCount = 0;

    std::vector<float> materials;  // materialCount x 15: ambient, diffuse, specular, emission
                                   // RGB, alpha, shininess, one number without a meaning
    std::vector<int16_t> triangles;     // triangleCount x 9
    std::vector<float> vertices;        // vertexCount x 3: x, y, z
    std::vector<float> textureCoords;   // textureCount x 2: u, v (v = 0 is the skin's bottom)
    std::vector<int32_t> materialRefs;  // materialCount x 2, kept but not used

    // One readable line per finding of the last load; empty for a sound file.
    std::vector<std::string> problems;
};
