#include "scene/ModelLibrary.h"

#include <sys/stat.h>

#include <cstring>
#include <map>

#include <assimp/BaseImporter.h>
#include <assimp/Importer.hpp>
#include <assimp/cexport.h>
#include <assimp/scene.h>

namespace brindlemoor::scene {

void SceneDeleter::operator()(aiScene* scene) const { aiFreeScene(scene); }

namespace {

struct OriginalDeleter {
    void operator()(aiScene* scene) const { delete scene; }
};

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

std::map<std::string, std::unique_ptr<aiScene, OriginalDeleter>>& originals() {
    static std::map<std::string, std::unique_ptr<aiScene, OriginalDeleter>> cache;
    return cache;
}

bool acceptableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
           static_cast<unsigned long long>(info.st_size) <= kMaxModelFileBytes;
}

}  // namespace

ModelImport importModel(const std::string& path) {
    ModelImport result;
    auto& cache = originals();
    auto found = cache.find(path);
    if (found == cache.end()) {
        if (!acceptableFile(path)) {
            return result;
        }
        Assimp::Importer& importer = objImporter();
        if (importer.ReadFile(path, kImportFlags) == nullptr) {
            result.errorString = importer.GetErrorString();
            return result;  // failures are not kept: the next object tries again
        }
        found = cache.emplace(path, std::unique_ptr<aiScene, OriginalDeleter>(importer.GetOrphanedScene())).first;
    }
    aiScene* copy = nullptr;
    aiCopyScene(found->second.get(), &copy);
    result.scene.reset(copy);
    return result;
}

void clearModelCache() { originals().clear(); }

}  // namespace brindlemoor::scene
