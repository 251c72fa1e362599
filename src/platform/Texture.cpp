#include "platform/Texture.h"

#include <map>

#include "platform/Gl.h"

namespace brindlemoor::platform {

namespace {
std::map<std::string, std::shared_ptr<const Image>>& imageCache() {
    static std::map<std::string, std::shared_ptr<const Image>> cache;
    return cache;
}
}  // namespace

std::shared_ptr<const Image> cachedImage(const std::string& path) {
    auto& cache = imageCache();
    auto found = cache.find(path);
    if (found != cache.end()) {
        return found->second;
    }
    auto image = std::make_shared<Image>();
    if (!decodeTgaFile(path, *image)) {
        return nullptr;  // not cached: a failure is retried, as the classic loader would
    }
    cache.emplace(path, image);
    return image;
}

void clearImageCache() { imageCache().clear(); }

bool loadTexture2D(const std::string& path, int /*flags*/) {
    std::shared_ptr<const Image> image = cachedImage(path);
    if (!image) {
        return false;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image->width, image->height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image->rgba.data());
    return true;
}

}  // namespace brindlemoor::platform
