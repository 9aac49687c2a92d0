// ModelMesh: reads the counts and number lists of a model file, then checks the triangles.
#include "graphics/ModelMesh.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <new>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "graphics/SectionFile.h"
#include "base/Tokenizer.h"

namespace {

constexpr char numberSeparators[] = ";,{}/*";
constexpr size_t maxProblemLines = 100;
constexpr size_t maxShownPiece = 40;

enum class Piece { ok, notNumber, outOfRange };

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads [sign] digits from the front of text; `length` is 0 when there are no digits.
// Saturates far beyond any value the mesh keeps, so callers can tell "out of range".
int64_t ScanInteger(std::string_view text, size_t& length) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    size_t first = i;
    int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (value < (int64_t{1} << 40)) value = value * 10 + (text[i] - '0');
    }
    length = i > first ? i : 0;
    return negative ? -value : value;
}

// The length of the longest front of text of the form [sign] digits [. digits] [e [sign] digits].
size_t FractionLength(std::string_view t) {
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t digits = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i) ++digits;
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && IsDigit(t[i]); ++i) ++digits;
    }
    if (digits == 0) return 0;
    size_t end = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        if (++i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        size_t first = i;
        for (; i < t.size() && IsDigit(t[i]); ++i) {}
        if (i > first) end = i;
    }
    return end;
}

// A malformed piece reads as far as it parses; a value the field cannot hold is clamped.
Piece ReadInteger(std::string_view piece, int64_t low, int64_t high, int64_t& out) {
    size_t length = 0;
    int64_t value = ScanInteger(piece, length);
    out = std::clamp(value, low, high);
    if (length != piece.size()) return Piece::notNumber;
    return out == value ? Piece::ok : Piece::outOfRange;
}

Piece ReadFraction(std::string_view piece, float& out) {
    out = 0;
    size_t length = FractionLength(piece);
    if (length == 0) return Piece::notNumber;
    std::string_view number = piece.substr(0, length);
    if (number[0] == '+') number.remove_prefix(1);  // from_chars takes no plus sign
    double value = 0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    // Too large for a float (or too small to tell from 0): 0 keeps the mesh finite.
    if (result.ec != std::errc() || !(std::fabs(value) <= FLT_MAX)) return Piece::outOfRange;
    out = static_cast<float>(value);
    return length == piece.size() ? Piece::ok : Piece::notNumber;
}

Piece ReadMaterialNumber(std::string_view piece, float& out) {
    if (piece.find('.') != std::string_view::npos) return ReadFraction(piece, out);
    int64_t value = 0;
    Piece status = ReadInteger(piece, INT32_MIN, INT32_MAX, value);
    out = static_cast<float>(value);
    return status;
}

template <class T>
bool TryResize(std::vector<T>& list, size_t n) {
    try {
        list.assign(n, T{});
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

std::string Shown(std::string_view text) {
    if (text.size() <= maxShownPiece) return std::string(text);
    return std::string(text.substr(0, maxShownPiece)) + "...";
}

class Loader {
public:
    Loader(SectionFile& f, ModelMesh& m) : file(f), mesh(m) {}

    void Run();

private:
    int32_t ReadCount(const char* key, int perItem);
    template <class T, class Convert>
    bool ReadList(const char* key, int32_t count, int perItem, std::vector<T>& list,
                  Convert convert);
    void CheckListLength(const char* key, size_t found, size_t wanted);
    void KeepValidTriangles();
    [[nodiscard]] bool ValidTriangle(const int16_t* triangle) const;
    [[nodiscard]] std::string BadIndex(const int16_t* triangle) const;
    [[nodiscard]] bool OnlyCounted();
    void Report(std::string line);

    SectionFile& file;
    ModelMesh& mesh;
    size_t unreported = 0;
};

// True, and counted, when the list of problems is full: a file with thousands of bad numbers
// would otherwise word each one only to drop it.
bool Loader::OnlyCounted() {
    if (mesh.problems.size() < maxProblemLines) return false;
    ++unreported;
    return true;
}

void Loader::Report(std::string line) {
    if (mesh.problems.size() < maxProblemLines) {
        mesh.problems.push_back(std::move(line));
    } else {
        ++unreported;
    }
}

// A count the file cannot hold (each number takes at least a digit and a separator) is
// nonsense, and trusting it would let a few bytes ask for gigabytes.
int32_t Loader::ReadCount(const char* key, int perItem) {
    std::optional<std::string> text = file.Value("SUM", key);
    if (!text) return 0;
    int64_t count = 0;
    std::string where = std::string("SUM ") + key + "=" + Shown(*text);
    if (ReadInteger(*text, INT32_MIN, INT32_MAX, count) == Piece::notNumber) {
        Report(where + " is not a whole number");
    }
    if (count < 0) {
        Report(where + " is negative; it counts 0");
        return 0;
    }
    if (count > 0 && static_cast<uint64_t>(count) * perItem * 2 - 1 > file.Size()) {
        Report(where + " is more than the file could hold; it counts 0");
        return 0;
    }
    return static_cast<int32_t>(count);
}

template <class T, class Convert>
bool Loader::ReadList(const char* key, int32_t count, int perItem, std::vector<T>& list,
                      Convert convert) {
    size_t wanted = static_cast<size_t>(count) * perItem;
    if (!TryResize(list, wanted)) return false;
    std::optional<std::string> text = file.Value("DATA", key);
    if (!text) {
        if (wanted > 0) Report(std::string("DATA ") + key + " is missing; its numbers read 0");
        return true;
    }
    Tokenizer tokens;
    tokens.Start(numberSeparators, *text);
    size_t found = 0;
    while (std::optional<std::string> piece = tokens.Next()) {
        if (piece->empty()) continue;  // only an empty list gives an empty piece
        if (found < wanted) {
            Piece status = convert(*piece, list[found]);
            if (status != Piece::ok && !OnlyCounted()) {
                Report(std::string("DATA ") + key + " number " + std::to_string(found) + " \"" +
                       Shown(*piece) + "\"" +
                       (status == Piece::notNumber ? " is not a number" : " is out of range"));
            }
        }
        ++found;
    }
    CheckListLength(key, found, wanted);
    return true;
}

void Loader::CheckListLength(const char* key, size_t found, size_t wanted) {
    if (found == wanted) return;
    std::string line = std::string("DATA ") + key + " holds " + std::to_string(found) +
                       " numbers where the counts ask for " + std::to_string(wanted);
    Report(line + (found < wanted ? "; the rest read 0" : "; the rest are ignored"));
}

// True when every index the view uses lies inside its list.
bool Loader::ValidTriangle(const int16_t* triangle) const {
    for (int corner = 0; corner < 3; ++corner) {
        if (triangle[corner] < 0 || triangle[corner] >= mesh.vertexCount) return false;
        if (triangle[6 + corner] < 0 || triangle[6 + corner] >= mesh.textureCount) return false;
    }
    return true;
}

// Empty when every index the view uses lies inside its list. Normal indices are not checked:
// no normal data is kept.
std::string Loader::BadIndex(const int16_t* triangle) const {
    for (int corner = 0; corner < 3; ++corner) {
        int16_t vertex = triangle[corner];
        if (vertex < 0 || vertex >= mesh.vertexCount) {
            return "vertex index " + std::to_string(vertex) + " is outside the " +
                   std::to_string(mesh.vertexCount) + " vertices";
        }
        int16_t texture = triangle[6 + corner];
        if (texture < 0 || texture >= mesh.textureCount) {
            return "texture index " + std::to_string(texture) + " is outside the " +
                   std::to_string(mesh.textureCount) + " texture coordinates";
        }
    }
    return {};
}

void Loader::KeepValidTriangles() {
    constexpr int size = ModelMesh::triangleSize;
    int32_t kept = 0;
    for (int32_t i = 0; i < mesh.triangleCount; ++i) {
        const int16_t* triangle = mesh.triangles.data() + static_cast<size_t>(i) * size;
        if (!ValidTriangle(triangle)) {
            if (!OnlyCounted()) {
                Report("triangle " + std::to_string(i) + ": " + BadIndex(triangle) +
                       "; it is left out");
            }
            continue;
        }
        if (kept != i) {
            std::copy(triangle, triangle + size,
                      mesh.triangles.begin() + static_cast<size_t>(kept) * size);
        }
        ++kept;
    }
    mesh.triangleCount = kept;
    mesh.triangles.resize(static_cast<size_t>(kept) * size);
}

void Loader::Run() {
    mesh.materialCount = ReadCount("Materials", ModelMesh::materialSize);
    mesh.triangleCount = ReadCount("Triangles", ModelMesh::triangleSize);
    mesh.vertexCount = ReadCount("Verticies", ModelMesh::vertexSize);
    mesh.normalCount = ReadCount("Normals", 3);
    mesh.textureCount = ReadCount("Texture", ModelMesh::textureSize);

    auto toInt16 = [](std::string_view piece, int16_t& out) {
        int64_t value = 0;
        Piece status = ReadInteger(piece, INT16_MIN, INT16_MAX, value);
        out = static_cast<int16_t>(value);
        return status;
    };
    auto toInt32 = [](std::string_view piece, int32_t& out) {
        int64_t value = 0;
        Piece status = ReadInteger(piece, INT32_MIN, INT32_MAX, value);
        out = static_cast<int32_t>(value);
        return status;
    };
    bool made =
        ReadList("Materials", mesh.materialCount, ModelMesh::materialSize, mesh.materials,
                 ReadMaterialNumber) &&
        ReadList("Triangles", mesh.triangleCount, ModelMesh::triangleSize, mesh.triangles,
                 toInt16) &&
        ReadList("Vertices", mesh.vertexCount, ModelMesh::vertexSize, mesh.vertices,
                 ReadFraction) &&
        ReadList("Textures", mesh.textureCount, ModelMesh::textureSize, mesh.textureCoords,
                 ReadFraction) &&
        ReadList("Material_ref", mesh.materialCount, ModelMesh::materialRefSize,
                 mesh.materialRefs, toInt32);
    if (!made) {
        mesh.Clear();
        mesh.problems.push_back("not enough memory for the lists; the mesh is empty");
        return;
    }
    KeepValidTriangles();
    if (unreported > 0) {
        mesh.problems.push_back("and " + std::to_string(unreported) + " more problems");
    }
}

}  // namespace

bool ModelMesh::Load(const PathString& path) {
    SectionFile file;
    if (!file.Open(path)) {
        Clear();
        return false;
    }
    Load(file);
    return true;
}

void ModelMesh::Load(SectionFile& file) {
    Clear();
    Loader(file, *this).Run();
}

void ModelMesh::Clear() {
    triangleCount = materialCount = vertexCount = normalCount = textureCount = 0;
    materials = {};
    triangles = {};
    vertices = {};
    textureCoords = {};
    materialRefs = {};
    problems = {};
}
