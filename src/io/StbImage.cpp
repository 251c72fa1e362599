// The one translation unit that compiles stb_image: only the TGA decoder, and a
// dimension limit so that a damaged header cannot ask for gigabytes.
#include "io/TgaImage.h"
#include "io/TgaExtent.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STBI_NO_HDR
#define STBI_NO_LINEAR
#define STBI_MAX_DIMENSIONS 4096
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#include <climits>
#include <cstring>

namespace brindlemoor::io {

static_assert(kMaxImageDimension == STBI_MAX_DIMENSIONS, "one limit for the decoder and the game");

bool decodeTgaMemory(const unsigned char* data, std::size_t size, Image& out) {
    out = Image{};
    if (data == nullptr || size == 0 || size > kMaxImageFileBytes || size > static_cast<std::size_t>(INT_MAX)) {
        return false;
    }
    if (!tgaDataComplete(data, size)) {
        return false;  // a cut-short file would get uninitialised pixels
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(data, static_cast<int>(size), &width, &height, &channels, 4);
    if (pixels == nullptr) {
        return false;
    }
    if (width <= 0 || height <= 0 || width > kMaxImageDimension || height > kMaxImageDimension) {
        stbi_image_free(pixels);
        return false;
    }
    // stb delivers the top row first; the game keeps the bottom row first.
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4u;
    out.width = width;
    out.height = height;
    out.rgba.resize(rowBytes * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row) {
        std::memcpy(out.rgba.data() + rowBytes * static_cast<std::size_t>(row),
                    pixels + rowBytes * static_cast<std::size_t>(height - 1 - row), rowBytes);
    }
    stbi_image_free(pixels);
    return true;
}

}  // namespace brindlemoor::io
