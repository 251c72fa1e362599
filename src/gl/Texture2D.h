// Textures of the scene objects: TGA files with repeat wrapping, linear
// magnification and trilinear minification until a developer key changes it.
#pragma once

#include <string>

#include "gl/Handle.h"
#include "io/ImageCache.h"

namespace brindlemoor::gl {

// A new texture holding the image of the TGA file at `file`, with mipmaps. A
// file that cannot be read gives a texture without an image, which samples as
// incomplete; it is not reported.
Texture loadTexture(io::ImageCache& images, const std::string& file);

// Sets the minification filter of the bound 2D texture: 0 nearest, 1 linear,
// 2 to 5 the four mipmap filters; anything else linear-mipmap-linear.
void applyMinFilter(int mode);

}  // namespace brindlemoor::gl
