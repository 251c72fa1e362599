// TGA textures for the bound GL_TEXTURE_2D.
#pragma once

#include <memory>
#include <string>

#include "io/TgaImage.h"

namespace brindlemoor::gl {

// Decodes the TGA file (each file only once per process: pieces share their
// images) and uploads it as 8-bit RGBA, origin at the lower left, into the
// texture bound to GL_TEXTURE_2D. `flags` is kept for the classic call's
// shape; no flags are defined. False, with nothing uploaded, on failure.
bool loadTexture2D(const std::string& path, int flags);

// Uploads the mipmap levels below the base level of the file's image into the
// bound texture: the levels glGenerateMipmap would derive from that image. They
// are built once per file on the CPU, so that a software renderer does not
// render every level of every texture of every piece again. False when the
// file cannot be read.
bool loadMipmaps2D(const std::string& path);

// The decoded image of a file, from the process-wide cache; null when the file
// cannot be read or decoded.
std::shared_ptr<const io::Image> cachedImage(const std::string& path);

// Forgets every cached image (tests and the benchmark use it to measure cold loads).
void clearImageCache();

}  // namespace brindlemoor::gl
