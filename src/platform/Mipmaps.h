// The smaller levels of a texture image, each half the size of the one before
// (2 x 2 box filter), down to 1 x 1.
#pragma once

#include <vector>

#include "platform/TgaImage.h"

namespace brindlemoor::platform {

std::vector<Image> buildMipmapLevels(const Image& base);

}  // namespace brindlemoor::platform
