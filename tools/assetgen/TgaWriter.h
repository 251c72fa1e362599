// TGA files as the game's loader reads them: true colour, 24 bit (RGB) or
// 32 bit (RGBA), origin at the lower left, plain or run-length encoded.
#pragma once

#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace assetgen {

std::vector<std::uint8_t> tgaBytes(const Canvas& canvas, bool runLength);

}  // namespace assetgen
