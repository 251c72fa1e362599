#include "scene/ModelData.h"

#include <sys/stat.h>

#include <cstring>
#include <map>

#include <assimp/BaseImporter.h>
#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <glm/common.hpp>

#include "io/DataPaths.h"

namespace brindlemoor::scene {

namespace {

// Tangents for normal mapping, shared vertices, triangles only, and meshes
// split by primitive type.
constexpr unsigned int kImportFlags =
    aiProcess_CalcTangentSpace | aiProcess_JoinIdenticalVertices | aiProcess_Triangulate | aiProcess_SortByPType;

// The game only reads Wavefront OBJ files; every other loader is removed so
// that a damaged or mislabelled file can never reach a parser we do not use.
Assimp::Importer& objImporter() {
    static Assimp::Importer importer;
    static const bool restricted = [] {
        for (std::size_t i = importer.GetImporterCount(); i-- > 0;) {
            Assimp::BaseImporter* loader = importer.GetImporter(i);
            const aiImporterDesc* info = loader != nullptr ? loader->GetInfo() : nullptr;
            const bool isObj = info != nullptr && info->mFileExtensions != nullptr &&
                               std::strstr(info->mFileExtensions, "obj") != nullptr;
            if (!isObj && loader != nullptr) {
                importer.UnregisterLoader(loader);
                delete loader;
            }
        }
        return true;
    }();
    (void)restricted;
    return importer;
}

std::map<std::string, std::shared_ptr<const ModelData>>& cache() {
    static std::map<std::string, std::shared_ptr<const ModelData>> models;
    return models;
}

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
            const glm::vec3 p(mesh->mVertices[v].x, mesh->mVertices[v].y, mesh->mVertices[v].z);
            model->box.lower = model->box.empty ? p : glm::min(model->box.lower, p);
            model->box.upper = model->box.empty ? p : glm::max(model->box.upper, p);
            model->box.empty = false;
        }
    }
    return model;
}

}  // namespace

ModelImport importModel(const std::string& path) {
    ModelImport result;
    auto found = cache().find(path);
    if (found != cache().end()) {
        result.model = found->second;
        return result;
    }
    const std::string file = io::dataPath(path);
    if (!acceptableFile(file)) {
        return result;
    }
    Assimp::Importer& importer = objImporter();
    const aiScene* scene = importer.ReadFile(file, kImportFlags);
    if (scene == nullptr) {
        result.errorString = importer.GetErrorString();
        return result;
    }
    result.model = modelFrom(*scene);
    importer.FreeScene();
    cache().emplace(path, result.model);
    return result;
}

Box modelBox(const std::string& path) {
    const ModelImport imported = importModel(path);
    return imported.model ? imported.model->box : Box{};
}

void clearModelCache() { cache().clear(); }

}  // namespace brindlemoor::scene
