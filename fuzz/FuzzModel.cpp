// Fuzzes the model-file reader, and through it the section-file reader and the tokenizer:
// whatever the text, every triangle the mesh keeps must be safe to draw.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "graphics/ModelMesh.h"
#include "graphics/SectionFile.h"

namespace {

void CheckMesh(const ModelMesh& mesh) {
    auto sized = [](size_t list, int32_t count, int perItem) {
        return count >= 0 && list == static_cast<size_t>(count) * perItem;
    };
    if (!sized(mesh.triangles.size(), mesh.triangleCount, ModelMesh::triangleSize) ||
        !sized(mesh.vertices.size(), mesh.vertexCount, ModelMesh::vertexSize) ||
        !sized(mesh.textureCoords.size(), mesh.textureCount, ModelMesh::textureSize) ||
        !sized(mesh.materials.size(), mesh.materialCount, ModelMesh::materialSize) ||
        !sized(mesh.materialRefs.size(), mesh.materialCount, ModelMesh::materialRefSize)) {
        std::abort();
    }
    for (size_t i = 0; i < mesh.triangles.size(); i += ModelMesh::triangleSize) {
        for (int corner = 0; corner < 3; ++corner) {
            int16_t vertex = mesh.triangles[i + corner];
            int16_t texture = mesh.triangles[i + 6 + corner];
            if (vertex < 0 || vertex >= mesh.vertexCount) std::abort();
            if (texture < 0 || texture >= mesh.textureCount) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    SectionFile file;
    file.OpenText(text);
    ModelMesh mesh;
    mesh.Load(file);
    CheckMesh(mesh);
    // Also look up a section and key named by the input's first line.
    std::string_view first = text.substr(0, text.find('\n'));
    size_t split = first.find(' ');
    if (split != std::string_view::npos) {
        (void)file.Value(first.substr(0, split), first.substr(split + 1));
    }
    return 0;
}
