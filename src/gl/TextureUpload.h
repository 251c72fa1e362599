// Texture images into the GL_TEXTURE_2D bound now: 8-bit RGBA, origin at the
// lower left, as decoded by io::ImageCache.
#pragma once

#include "io/ImageCache.h"

namespace brindlemoor::gl {

// The base level of the image.
void uploadImage(const io::Image& image);
// Every level below the base: what glGenerateMipmap would derive, but built
// once per file on the CPU, so a software renderer does not render every level
// of every texture of every piece again.
void uploadSmallerLevels(const io::CachedImage& image);

}  // namespace brindlemoor::gl
