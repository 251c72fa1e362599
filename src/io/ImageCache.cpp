#include "io/ImageCache.h"

#include "io/Mipmaps.h"

namespace brindlemoor::io {

const CachedImage* ImageCache::image(const std::string& file) {
    auto found = images_.find(file);
    if (found != images_.end()) {
        return &found->second;
    }
    Image decoded;
    if (!decodeTgaFile(file, decoded)) {
        return nullptr;
    }
    CachedImage& entry = images_[file];
    entry.image = std::move(decoded);
    return &entry;
}

const CachedImage* ImageCache::imageWithLevels(const std::string& file) {
    const CachedImage* found = image(file);
    if (found == nullptr || found->levelsBuilt) {
        return found;
    }
    CachedImage& entry = images_[file];
    entry.smallerLevels = buildMipmapLevels(entry.image);
    entry.levelsBuilt = true;
    return &entry;
}

}  // namespace brindlemoor::io
