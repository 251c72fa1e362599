// Model import for scene objects. Every object owns its own imported scene, but
// each OBJ file is parsed only once per process: later objects of the same file
// get a deep copy of the first import, which is the same data at a fraction of
// the cost.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include <assimp/postprocess.h>

struct aiScene;

namespace brindlemoor::scene {

// Post-processing every model gets: tangents for normal mapping, shared
// vertices, triangles only, and meshes split by primitive type.
constexpr unsigned int kImportFlags =
    aiProcess_CalcTangentSpace | aiProcess_JoinIdenticalVertices | aiProcess_Triangulate | aiProcess_SortByPType;

// Model files larger than this are refused as if they could not be imported.
constexpr std::size_t kMaxModelFileBytes = 32u * 1024u * 1024u;

struct SceneDeleter {
    void operator()(aiScene* scene) const;
};
using OwnedScene = std::unique_ptr<aiScene, SceneDeleter>;

struct ModelImport {
    OwnedScene scene;         // null when the file could not be imported
    std::string errorString;  // the importer's error text (empty after success)
};

// Imports the OBJ file at `path` and returns a scene owned by the caller.
ModelImport importModel(const std::string& path);

// Drops the parsed originals (tests and the benchmark measure cold imports).
void clearModelCache();

}  // namespace brindlemoor::scene
