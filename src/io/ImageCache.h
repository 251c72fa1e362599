// Decoded texture images, each file read once per session: the corridor's
// pieces share a handful of images, and a new game reuses them. The smaller
// mipmap levels are built on the CPU once per image, when first asked for.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "io/TgaImage.h"

namespace brindlemoor::io {

struct CachedImage {
    Image image;
    std::vector<Image> smallerLevels;  // valid once levelsBuilt
    bool levelsBuilt = false;
};

class ImageCache {
public:
    // The image of the TGA file at `file`; null when it cannot be read or
    // decoded (a failure is not kept: the next call tries again).
    const CachedImage* image(const std::string& file);
    // The same with its mipmap levels built.
    const CachedImage* imageWithLevels(const std::string& file);
    // Forgets every image (the benchmark measures cold loads).
    void clear() { images_.clear(); }

private:
    std::map<std::string, CachedImage> images_;
};

}  // namespace brindlemoor::io
