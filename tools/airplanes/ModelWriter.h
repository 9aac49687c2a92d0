// ModelWriter: the model file (sections SUM and DATA) of a triangle mesh.
#pragma once

#include <string>
#include <vector>

#include "Airplane3D.h"

// The file's text: every corner its own vertex and texture coordinate, one normal a triangle,
// one white material. Lists run over many lines, each ending in a separator.
[[nodiscard]] std::string ModelFileText(const std::vector<Triangle3>& tris);
