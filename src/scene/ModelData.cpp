#include "scene/ModelData.h"

#include <sys/stat.h>

#include <cstring>

#include <assimp/BaseImporter.h>
#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <glm/common.hpp>

namespace brindlemoor::scene {

namespace {

// Tangents for normal mapping, shared vertices, triangles only, and meshes
// split by primitive type.
constexpr unsigned int kImportFlags =
    aiProcess_CalcTangentSpace | aiProcess_JoinIdenticalVertices | aiProcess_Triangulate | aiProcess_SortByPType;

bool acceptableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
           static_cast<unsigned long long>(info.st_size) <= kMaxModelFileBytes;
}

// The indices of a triangle mesh; false when the mesh holds other primitives
// or an index points past its vertices (a damaged file): such a mesh is left
// out rather than drawn out of bounds.
bool gatherIndices(const aiMesh& mesh, std::vector<unsigned int>& indices) {
    // Triangulated quads carry the n-gon encoding flag beside the triangle bit.
    const unsigned int otherPrimitives = aiPrimitiveType_POINT | aiPrimitiveType_LINE | aiPrimitiveType_POLYGON;
    if ((mesh.mPrimitiveTypes & aiPrimitiveType_TRIANGLE) == 0 || (mesh.mPrimitiveTypes & otherPrimitives) != 0 ||
        mesh.mFaces == nullptr || mesh.mVertices == nullptr || mesh.mNumVertices == 0) {
        return false;
    }
    indices.reserve(static_cast<std::size_t>(mesh.mNumFaces) * 3u);
    for (unsigned int f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (face.mNumIndices != 3 || face.mIndices == nullptr) {
            return false;
        }
        for (unsigned int k = 0; k < 3; ++k) {
            if (face.mIndices[k] >= mesh.mNumVertices) {
                return false;
            }
            indices.push_back(face.mIndices[k]);
        }
    }
    return true;
}

void copyVectors(const aiVector3D* from, std::size_t count, std::vector<float>& to) {
    to.resize(count * 3);
    for (std::size_t v = 0; v < count; ++v) {
        to[3 * v] = from[v].x;
        to[3 * v + 1] = from[v].y;
        to[3 * v + 2] = from[v].z;
    }
}

MeshData meshData(const aiMesh& mesh, std::vector<unsigned int> indices) {
    MeshData data;
    const std::size_t vertices = mesh.mNumVertices;
    data.name = mesh.mName.C_Str();
    data.indices = std::move(indices);
    copyVectors(mesh.mVertices, vertices, data.positions);
    if (mesh.HasNormals()) {
        copyVectors(mesh.mNormals, vertices, data.normals);
    }
    if (mesh.HasTextureCoords(0)) {
        data.uvs.resize(vertices * 2);
        for (std::size_t v = 0; v < vertices; ++v) {
            data.uvs[2 * v] = mesh.mTextureCoords[0][v].x;
            data.uvs[2 * v + 1] = mesh.mTextureCoords[0][v].y;
        }
    }
    if (mesh.HasTangentsAndBitangents()) {
        copyVectors(mesh.mTangents, vertices, data.tangents);
        copyVectors(mesh.mBitangents, vertices, data.bitangents);
    }
    return data;
}

std::shared_ptr<const ModelData> modelFrom(const aiScene& scene) {
    auto model = std::make_shared<ModelData>();
    std::vector<unsigned int> indices;
    for (unsigned int m = 0; m < scene.mNumMeshes; ++m) {
        const aiMesh* mesh = scene.mMeshes[m];
        indices.clear();
        if (mesh == nullptr || !gatherIndices(*mesh, indices)) {
            continue;
        }
        model->meshes.push_back(meshData(*mesh, indices));
        for (unsigned int v = 0; v < mesh->mNumVertices; ++v) {
            model->box.include(glm::vec3(mesh->mVertices[v].x, mesh->mVertices[v].y, mesh->mVertices[v].z));
        }
    }
    return model;
}

}  // namespace

ModelCache::ModelCache(const io::DataFolder& data) : data_(data), importer_(std::make_unique<Assimp::Importer>()) {
    // Every loader but the OBJ one goes.
    for (std::size_t i = importer_->GetImporterCount(); i-- > 0;) {
        Assimp::BaseImporter* loader = importer_->GetImporter(i);
        const aiImporterDesc* info = loader != nullptr ? loader->GetInfo() : nullptr;
        const bool isObj = info != nullptr && info->mFileExtensions != nullptr &&
                           std::strstr(info->mFileExtensions, "obj") != nullptr;
        if (!isObj && loader != nullptr) {
            importer_->UnregisterLoader(loader);
            delete loader;
        }
    }
}

ModelCache::~ModelCache() = default;

io::Result<SharedModel> ModelCache::import(const std::string& path) {
    auto found = models_.find(path);
    if (found != models_.end()) {
        return found->second;
    }
    const std::string file = data_.path(path);
    if (!acceptableFile(file)) {
        return io::fail("");
    }
    const aiScene* scene = importer_->ReadFile(file, kImportFlags);
    if (scene == nullptr) {
        return io::fail(importer_->GetErrorString());
    }
    SharedModel model = modelFrom(*scene);
    importer_->FreeScene();
    models_.emplace(path, model);
    return model;
}

Box ModelCache::box(const std::string& path) {
    const io::Result<SharedModel> imported = import(path);
    return imported ? imported.value()->box : Box{};
}

}  // namespace brindlemoor::scene
