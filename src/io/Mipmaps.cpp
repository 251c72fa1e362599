#include "io/Mipmaps.h"

#include <algorithm>

namespace brindlemoor::io {

namespace {

// Halves an image; odd sizes repeat their last row or column.
Image halve(const Image& source) {
    Image half;
    half.width = std::max(1, source.width / 2);
    half.height = std::max(1, source.height / 2);
    half.rgba.resize(static_cast<std::size_t>(half.width) * static_cast<std::size_t>(half.height) * 4u);
    auto texel = [&source](int x, int y, int channel) {
        x = std::min(x, source.width - 1);
        y = std::min(y, source.height - 1);
        return static_cast<unsigned int>(
            source.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(source.width) +
                         static_cast<std::size_t>(x)) * 4u + static_cast<std::size_t>(channel)]);
    };
    for (int y = 0; y < half.height; ++y) {
        for (int x = 0; x < half.width; ++x) {
            for (int c = 0; c < 4; ++c) {
                const unsigned int sum = texel(2 * x, 2 * y, c) + texel(2 * x + 1, 2 * y, c) +
                                         texel(2 * x, 2 * y + 1, c) + texel(2 * x + 1, 2 * y + 1, c);
                half.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(half.width) +
                           static_cast<std::size_t>(x)) * 4u + static_cast<std::size_t>(c)] =
                    static_cast<unsigned char>((sum + 2u) / 4u);
            }
        }
    }
    return half;
}

}  // namespace

std::vector<Image> buildMipmapLevels(const Image& base) {
    std::vector<Image> levels;
    if (base.width <= 0 || base.height <= 0 || base.rgba.empty()) {
        return levels;
    }
    const Image* previous = &base;
    while (previous->width > 1 || previous->height > 1) {
        levels.push_back(halve(*previous));
        previous = &levels.back();
    }
    return levels;
}

}  // namespace brindlemoor::io
