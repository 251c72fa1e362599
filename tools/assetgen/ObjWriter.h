// Wavefront OBJ text for one mesh: positions, texture coordinates and normals
// written with four decimals (duplicates shared), then v/vt/vn faces; a model
// of several named objects lists each object's faces under its own name.
#pragma once

#include <string>
#include <vector>

#include "Mesh.h"

namespace assetgen {

std::string objText(const Mesh& mesh, const std::string& objectName);
std::string objText(const std::vector<NamedMesh>& objects);

}  // namespace assetgen
