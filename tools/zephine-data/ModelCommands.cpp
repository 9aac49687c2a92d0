// zephine-data model and section: load a model file, or look up one value, as the program does.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "Commands.h"
#include "graphics/ModelMesh.h"
#include "graphics/SectionFile.h"

namespace {

// The shortest text that reads back as the same float.
std::string Number(float value) {
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}
std::string Number(int32_t value) { return std::to_string(value); }

template <class T>
void PrintList(const char* name, const std::vector<T>& list) {
    std::string line = name;
    for (T value : list) line += " " + Number(value);
    std::printf("%s\n", line.c_str());
}

}  // namespace

int RunModel(const Args& args) {
    bool dump = args.size() == 2 && args[1] == "--dump";
    if (args.empty() || args.size() > 2 || (args.size() == 2 && !dump)) {
        std::fprintf(stderr, "usage: zephine-data model FILE [--dump]\n");
        return 1;
    }
    ModelMesh mesh;
    bool opened = mesh.Load(args[0]);
    if (!opened) std::fprintf(stderr, "Load Error: %s\n", args[0].c_str());
    std::printf("materials=%d triangles=%d vertices=%d normals=%d textures=%d\n",
                mesh.materialCount, mesh.triangleCount, mesh.vertexCount, mesh.normalCount,
                mesh.textureCount);
    if (dump) {
        PrintList("materials:", mesh.materials);
        PrintList("triangles:", std::vector<int32_t>(mesh.triangles.begin(), mesh.triangles.end()));
        PrintList("vertices:", mesh.vertices);
        PrintList("textures:", mesh.textureCoords);
        PrintList("material_ref:", mesh.materialRefs);
    }
    for (const std::string& problem : mesh.problems) std::printf("%s\n", problem.c_str());
    return opened && mesh.problems.empty() ? 0 : 1;
}

int RunSection(const Args& args) {
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zephine-data section FILE SECTION KEY\n");
        return 1;
    }
    SectionFile file;
    if (!file.Open(args[0])) {
        std::fprintf(stderr, "Load Error: %s\n", args[0].c_str());
        return 1;
    }
    std::optional<std::string> value = file.Value(args[1], args[2]);
    if (!value) {
        std::printf("absent\n");
        return 1;
    }
    std::printf("value=%s\n", value->c_str());
    return 0;
}
