// Wavefront OBJ text for one mesh: positions, texture coordinates and normals
// written with four decimals (duplicates shared), then v/vt/vn faces.
#pragma once

#include <string>

#include "Mesh.h"

namespace assetgen {

std::string objText(const Mesh& mesh, const std::string& objectName);

}  // namespace assetgen
