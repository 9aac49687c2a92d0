// Writes the model file the program's ModelMesh reads.
#include "ModelWriter.h"

#include <cstdio>

namespace {

std::string Num(double v) {
    char s[32];
    std::snprintf(s, sizeof s, "%.5f", std::abs(v) < 5e-6 ? 0.0 : v);
    return s;
}

// "Key={a,b,c},\n{...}" with one group a line; the last group ends the list.
std::string List(const char* key, const std::vector<std::string>& groups) {
    std::string out = std::string(key) + "=";
    for (size_t i = 0; i < groups.size(); ++i) {
        out += "{" + groups[i] + "}" + (i + 1 < groups.size() ? ",\n" : "\n");
    }
    return groups.empty() ? out + "\n" : out;
}

}  // namespace

std::string ModelFileText(const std::vector<Triangle3>& tris) {
    std::vector<std::string> triangles, vertices, normals, textures;
    int n = 0;
    for (const Triangle3& t : tris) {
        const Vec3 normal = Normalised(Cross(t.c[1].position - t.c[0].position,
                                             t.c[2].position - t.c[0].position));
        const int tri = int(triangles.size());
        const std::string v = std::to_string(n) + "," + std::to_string(n + 1) + "," +
                              std::to_string(n + 2);
        const std::string nn = std::to_string(tri) + "," + std::to_string(tri) + "," +
                               std::to_string(tri);
        triangles.push_back(v + "," + nn + "," + v);
        normals.push_back(Num(normal.x) + "," + Num(normal.y) + "," + Num(normal.z));
        for (const MeshCorner& c : t.c) {
            vertices.push_back(Num(c.position.x) + "," + Num(c.position.y) + "," +
                               Num(c.position.z));
            textures.push_back(Num(c.texture.x) + "," + Num(c.texture.y));
        }
        n += 3;
    }
    const std::string count = std::to_string(tris.size());
    std::string out = "[SUM]\nMaterials=1\nTriangles=" + count + "\nVerticies=" +
                      std::to_string(n) + "\nNormals=" + count + "\nTexture=" +
                      std::to_string(n) + "\n\n[DATA]\n";
    out += List("Materials", {"0.2,0.2,0.2,1.0,1.0,1.0,0.0,0.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0"});
    out += List("Triangles", triangles);
    out += List("Vertices", vertices);
    out += List("Normals", normals);
    out += List("Textures", textures);
    out += List("Material_ref", {"0," + count});
    return out;
}
