// The CPU side of a model: each OBJ file is imported once per session and kept
// as plain arrays, with the box around all its vertices. Objects share this
// data; each uploads its own GPU copy.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "io/DataFolder.h"
#include "io/Result.h"
#include "scene/Placement.h"

namespace Assimp {
class Importer;
}

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

using SharedModel = std::shared_ptr<const ModelData>;

// The models of a session, imported with an importer that reads Wavefront OBJ
// only, so a damaged or mislabelled file never reaches a parser we do not use.
class ModelCache {
public:
    explicit ModelCache(const io::DataFolder& data);
    ~ModelCache();
    ModelCache(const ModelCache&) = delete;
    ModelCache& operator=(const ModelCache&) = delete;

    // The model of the OBJ file at `path` (relative to the data folder), or
    // the importer's error text. Successful imports are kept; failures are
    // tried again next time.
    io::Result<SharedModel> import(const std::string& path);
    // The box of a model file, empty when it cannot be imported.
    Box box(const std::string& path);
    // Forgets every kept model (the benchmark measures cold imports).
    void clear() { models_.clear(); }

private:
    const io::DataFolder& data_;
    std::unique_ptr<Assimp::Importer> importer_;
    std::map<std::string, SharedModel> models_;
};

}  // namespace brindlemoor::scene
