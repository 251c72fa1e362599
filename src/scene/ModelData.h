// The CPU side of a model: each OBJ file is imported once per process and kept
// as plain arrays, with the box around all its vertices. Objects share this
// data; each uploads its own GPU copy.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "scene/Placement.h"

namespace brindlemoor::scene {

// Model files larger than this are refused as if they could not be imported.
constexpr std::size_t kMaxModelFileBytes = 32u * 1024u * 1024u;

// One triangle mesh: attributes tightly packed per vertex; uvs, tangents and
// bitangents may be empty (tangents and bitangents only come together).
struct MeshData {
    std::string name;               // the object it came from (the model's part)
    std::vector<float> positions;   // 3 per vertex
    std::vector<float> normals;     // 3 per vertex
    std::vector<float> uvs;         // 2 per vertex
    std::vector<float> tangents;    // 3 per vertex
    std::vector<float> bitangents;  // 3 per vertex
    std::vector<unsigned int> indices;  // 3 per triangle, all below the vertex count
    std::size_t vertexCount() const { return positions.size() / 3; }
};

struct ModelData {
    std::vector<MeshData> meshes;  // meshes that are not triangles are left out
    Box box;                       // around every vertex of every mesh
};

struct ModelImport {
    std::shared_ptr<const ModelData> model;  // null when the file could not be imported
    std::string errorString;                 // the importer's error text (empty after success)
};

// The model of the OBJ file at `path` (resolved against the data folder).
// Successful imports are kept for the rest of the process; failures are tried
// again next time.
ModelImport importModel(const std::string& path);

// The box of a model file, empty when it cannot be imported.
Box modelBox(const std::string& path);

// Forgets every kept model (the benchmark measures cold imports).
void clearModelCache();

}  // namespace brindlemoor::scene
