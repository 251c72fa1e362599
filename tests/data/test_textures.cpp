// The textures of the data set: they decode with the game's TGA loader at
// their budgeted sizes, normal maps are tangent-space blue, and the chalk
// atlas has every character in its own cell the right way up.
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "io/TgaImage.h"

namespace brindlemoor::test {
namespace {

using io::Image;

struct Texel {
    int r, g, b, a;
};

Texel texel(const Image& image, int x, int row) {  // row 0 is the bottom row
    const unsigned char* p = &image.rgba[(static_cast<std::size_t>(row) * image.width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

Image decode(const std::string& path) {
    Image image;
    EXPECT_TRUE(io::decodeTgaFile(path, image)) << path;
    return image;
}

const std::string kCorridor = "Resources/corridor/images/";
const std::string kBoard = "Resources/blackboard/images/";
const std::string kAtlas = kBoard + "crayoncrumble.tga";

const std::vector<std::string> kMaps = {
    kCorridor + "wall_texture_bumpmapready.tga", kCorridor + "wall_window_texture.tga", kCorridor + "floor.tga",
    kCorridor + "staircase_texture.tga",         kBoard + "blackboard_own.tga",        "Resources/boy/images/boy_texture.tga",
    kCorridor + "wall_texture_normal.tga", kCorridor + "floor_normal.tga", kCorridor + "staircase_normal.tga",
    kBoard + "blackboard_own_normal.tga",  kBoard + "crayoncrumble_normal.tga", "Resources/boy/images/boy_normal.tga",
};

// Colour maps and normal maps 64 to 128 texels square (the chalk's normal map
// up to 256), the atlas 512; normal maps point out of the surface, and exactly
// so where there is no relief.
TEST(DataSetTextures, DecodeAtTheirBudgetedSizesAndNormalMapsPointOutOfTheSurface) {
    for (const std::string& path : kMaps) {
        const Image image = decode(path);
        EXPECT_GE(image.width, 64) << path;
        EXPECT_LE(image.width, path == kBoard + "crayoncrumble_normal.tga" ? 256 : 128) << path;
        EXPECT_EQ(image.width, image.height) << path;
        if (path.find("_normal.tga") == std::string::npos) continue;
        double sumZ = 0.0;
        int steep = 0;
        const int count = image.width * image.height;
        for (int row = 0; row < image.height; ++row) {
            for (int x = 0; x < image.width; ++x) {
                const double nz = texel(image, x, row).b / 127.5 - 1.0;
                sumZ += nz;
                if (nz < 0.5) ++steep;
            }
        }
        EXPECT_GT(sumZ / count, 0.9) << path;
        EXPECT_LT(steep, count / 50) << path;
    }
    const Texel flat = texel(decode(kBoard + "crayoncrumble_normal.tga"), 0, 255);
    EXPECT_EQ(std::make_tuple(flat.r, flat.g, flat.b), std::make_tuple(128, 128, 255));
}

// Glyph texels (alpha over half) of the cell of character c, as counts and
// extent; cells run row by row from the top, rows of texels count upward.
struct Ink {
    int count = 0;
    int minX = 64, maxX = -1, minRow = 64, maxRow = -1;
    double meanRow = 0.0;
};
Ink inkOf(const Image& atlas, int c) {
    const int x0 = (c - 32) % 8 * 64, row0 = 512 - ((c - 32) / 8 + 1) * 64;
    Ink ink;
    for (int r = 0; r < 64; ++r) {
        for (int x = 0; x < 64; ++x) {
            if (texel(atlas, x0 + x, row0 + r).a <= 128) continue;
            ++ink.count;
            ink.minX = std::min(ink.minX, x);
            ink.maxX = std::max(ink.maxX, x);
            ink.minRow = std::min(ink.minRow, r);
            ink.maxRow = std::max(ink.maxRow, r);
            ink.meanRow += r;
        }
    }
    if (ink.count > 0) ink.meanRow /= ink.count;
    return ink;
}

TEST(DataSetTextures, AtlasHasEveryCharacterUprightInsideItsCellFromTheTop) {
    const Image atlas = decode(kAtlas);
    ASSERT_EQ(std::make_tuple(atlas.width, atlas.height), std::make_tuple(512, 512));
    constexpr int kMargin = 5;  // keeps filtering and mipmaps from bleeding across cells
    for (int c = 33; c <= 95; ++c) {
        const Ink ink = inkOf(atlas, c);
        EXPECT_GT(ink.count, 40) << "character " << static_cast<char>(c);
        EXPECT_GE(ink.minX, kMargin) << static_cast<char>(c);
        EXPECT_LT(ink.maxX, 64 - kMargin) << static_cast<char>(c);
        EXPECT_GE(ink.minRow, kMargin) << static_cast<char>(c);
        EXPECT_LT(ink.maxRow, 64 - kMargin) << static_cast<char>(c);
    }
    // The top-left cell of the picture (the space) is empty; 'X' fills the
    // bottom-left one.
    EXPECT_EQ(inkOf(atlas, ' ').count, 0);
    // Underscore low, caret high, minus in the middle (rows count upward).
    EXPECT_LT(inkOf(atlas, '_').meanRow, 20.0);
    EXPECT_GT(inkOf(atlas, '^').meanRow, 38.0);
    EXPECT_NEAR(inkOf(atlas, '-').meanRow, 32.0, 6.0);
    // The foot of an 'L' pulls its ink below the middle of the cell.
    EXPECT_LT(inkOf(atlas, 'L').meanRow, 30.0);
}

}  // namespace
}  // namespace brindlemoor::test
