#include "gl/TextureUpload.h"

#include <map>

#include "gl/Gl.h"
#include "io/Mipmaps.h"

namespace brindlemoor::gl {

namespace {

struct CachedTexture {
    std::shared_ptr<const io::Image> image;
    std::vector<io::Image> smallerLevels;  // built on first use
    bool levelsBuilt = false;
};

std::map<std::string, CachedTexture>& textureCache() {
    static std::map<std::string, CachedTexture> cache;
    return cache;
}

CachedTexture* cachedTexture(const std::string& path) {
    auto& cache = textureCache();
    auto found = cache.find(path);
    if (found != cache.end()) {
        return &found->second;
    }
    auto image = std::make_shared<io::Image>();
    if (!io::decodeTgaFile(path, *image)) {
        return nullptr;  // not cached: a failure is retried, as the classic loader would
    }
    CachedTexture& entry = cache[path];
    entry.image = image;
    return &entry;
}

}  // namespace

std::shared_ptr<const io::Image> cachedImage(const std::string& path) {
    CachedTexture* entry = cachedTexture(path);
    return entry != nullptr ? entry->image : nullptr;
}

void clearImageCache() { textureCache().clear(); }

bool loadMipmaps2D(const std::string& path) {
    CachedTexture* entry = cachedTexture(path);
    if (entry == nullptr) {
        return false;
    }
    if (!entry->levelsBuilt) {
        entry->smallerLevels = io::buildMipmapLevels(*entry->image);
        entry->levelsBuilt = true;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    GLint level = 1;
    for (const io::Image& smaller : entry->smallerLevels) {
        glTexImage2D(GL_TEXTURE_2D, level++, GL_RGBA8, smaller.width, smaller.height, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, smaller.rgba.data());
    }
    return true;
}

bool loadTexture2D(const std::string& path, int /*flags*/) {
    std::shared_ptr<const io::Image> image = cachedImage(path);
    if (!image) {
        return false;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image->width, image->height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image->rgba.data());
    return true;
}

}  // namespace brindlemoor::gl
