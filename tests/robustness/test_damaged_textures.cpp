// Damaged TGA textures: the texture object exists but stays without an image,
// the object still draws, and nothing reads past the file or uploads memory the
// file never held.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DamagedObject.h"
#include "TestFiles.h"
#include "platform/Gl.h"
#include "platform/TgaImage.h"

namespace {

using namespace brindlemoor;
using test::DamagedDataTest;

GLint levelZeroWidth(GLuint texture) {
    GLint width = -1;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glBindTexture(GL_TEXTURE_2D, 0);
    return width;
}

std::vector<unsigned char> tgaHeader(unsigned char type, int width, int height, unsigned char bits) {
    return {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<unsigned char>(width),
            static_cast<unsigned char>(width >> 8), static_cast<unsigned char>(height),
            static_cast<unsigned char>(height >> 8), bits, 0};
}

const char* const kDamagedTextures[] = {"empty.tga",        "truncated_header.tga", "huge_dimensions.tga",
                                        "wrong_image_type.tga", "rle_past_end.tga", "truncated_pixels.tga"};

TEST_F(DamagedDataTest, TexturesThatCannotBeReadStayWithoutAnImage) {
    for (const char* name : kDamagedTextures) {
        SCOPED_TRACE(name);
        platform::Image image;
        EXPECT_FALSE(platform::decodeTgaFile(test::damagedFile(name), image));
        EXPECT_TRUE(image.rgba.empty());

        test::BuiltObject built = build(test::soundModel(), test::damagedFile(name));
        EXPECT_EQ(built.err, "");  // not reported
        EXPECT_TRUE(glIsTexture(built.object->colorTexture));
        EXPECT_EQ(levelZeroWidth(built.object->colorTexture), 0);
        EXPECT_GT(levelZeroWidth(built.object->normalTexture), 0);
        ASSERT_FALSE(built.object->meshEntries.empty());
        glUseProgram(program->programHandle);
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, built.object->colorTexture);
        built.object->draw();
        glBindTexture(GL_TEXTURE_2D, 0);
        glUseProgram(0);
    }
}

// The same kinds of image as the damaged files, whole: they must still decode,
// so the checks above refuse only what is really missing.
TEST_F(DamagedDataTest, WholeImagesOfTheDamagedKindsStillDecode) {
    std::vector<unsigned char> raw = tgaHeader(2, 16, 16, 24);
    raw.resize(raw.size() + 16 * 16 * 3, 0x40);
    platform::Image image;
    ASSERT_TRUE(platform::decodeTgaMemory(raw.data(), raw.size(), image));
    EXPECT_EQ(image.width, 16);
    EXPECT_EQ(image.rgba.back(), 0xFF);  // opaque
    EXPECT_EQ(image.rgba.front(), 0x40);

    // Run-length packed 16 x 16: two runs of 128 pixels fill it; a byte less
    // and the last pixel is missing.
    std::vector<unsigned char> packed = tgaHeader(10, 16, 16, 32);
    for (int run = 0; run < 2; ++run) {
        packed.insert(packed.end(), {0xFF, 1, 2, 3, 4});
    }
    EXPECT_TRUE(platform::decodeTgaMemory(packed.data(), packed.size(), image));
    EXPECT_EQ(image.rgba.size(), 16u * 16u * 4u);
    packed.pop_back();
    EXPECT_FALSE(platform::decodeTgaMemory(packed.data(), packed.size(), image));

    // A raw packet may announce more pixels than the image has left; only the
    // pixels the image needs are read.
    std::vector<unsigned char> overshoot = tgaHeader(10, 1, 1, 24);
    overshoot.insert(overshoot.end(), {0x7F, 9, 8, 7});
    EXPECT_TRUE(platform::decodeTgaMemory(overshoot.data(), overshoot.size(), image));
}

}  // namespace
