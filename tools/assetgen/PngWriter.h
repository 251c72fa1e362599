// PNG files without a compression library: the image data goes in stored
// (uncompressed) deflate blocks, so the bytes depend on the pixels alone.
#pragma once

#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace assetgen {

// 8-bit RGB or RGBA as the canvas has it, top row first as PNG wants.
std::vector<std::uint8_t> pngBytes(const Canvas& canvas);

}  // namespace assetgen
