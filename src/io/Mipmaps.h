// The smaller levels of a texture image, each half the size of the one before
// (2 x 2 box filter), down to 1 x 1.
#pragma once

#include <vector>

#include "io/TgaImage.h"

namespace brindlemoor::io {

std::vector<Image> buildMipmapLevels(const Image& base);

}  // namespace brindlemoor::io
