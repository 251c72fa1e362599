// The mip chain built on the CPU: every level down to 1 x 1, each the 2 x 2
// average of the one above.
#include <gtest/gtest.h>

#include "platform/Mipmaps.h"

namespace {

using brindlemoor::platform::buildMipmapLevels;
using brindlemoor::platform::Image;

Image filled(int width, int height, unsigned char value) {
    Image image;
    image.width = width;
    image.height = height;
    image.rgba.assign(static_cast<std::size_t>(width * height * 4), value);
    return image;
}

TEST(Mipmaps, SquareImagesHalveDownToOnePixel) {
    const auto levels = buildMipmapLevels(filled(128, 128, 200));
    ASSERT_EQ(levels.size(), 7u);
    EXPECT_EQ(levels[0].width, 64);
    EXPECT_EQ(levels.back().width, 1);
    EXPECT_EQ(levels.back().height, 1);
    EXPECT_EQ(levels.back().rgba, std::vector<unsigned char>(4, 200));
}

TEST(Mipmaps, OblongAndOddImagesKeepAtLeastOnePixelEachWay) {
    const auto wide = buildMipmapLevels(filled(8, 2, 10));
    ASSERT_EQ(wide.size(), 3u);
    EXPECT_EQ(wide[0].width, 4);
    EXPECT_EQ(wide[0].height, 1);
    EXPECT_EQ(wide[2].width, 1);
    const auto odd = buildMipmapLevels(filled(5, 3, 7));
    ASSERT_EQ(odd.size(), 2u);
    EXPECT_EQ(odd[0].width, 2);
    EXPECT_EQ(odd[0].height, 1);
    EXPECT_TRUE(buildMipmapLevels(Image{}).empty());
    EXPECT_TRUE(buildMipmapLevels(filled(1, 1, 1)).empty());
}

TEST(Mipmaps, EachTexelIsTheRoundedAverageOfFour) {
    Image checker = filled(2, 2, 0);
    const unsigned char values[4] = {0, 255, 255, 1};
    for (int i = 0; i < 4; ++i) {
        for (int c = 0; c < 4; ++c) {
            checker.rgba[static_cast<std::size_t>(i * 4 + c)] = values[i];
        }
    }
    const auto levels = buildMipmapLevels(checker);
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(levels[0].rgba[0], 128);  // (0 + 255 + 255 + 1 + 2) / 4
    EXPECT_EQ(levels[0].rgba[3], 128);
}

}  // namespace
