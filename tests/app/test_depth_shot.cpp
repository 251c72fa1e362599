// Depth images as 8-bit greyscale TGA files.
#include <gtest/gtest.h>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "TestOutput.h"
#include "app/DepthShot.h"
#include "gl/Gl.h"

namespace {

using namespace brindlemoor;

class DepthShotTest : public testing::Test {
protected:
    void SetUp() override {
        test::ensureGlContext();
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDisable(GL_SCISSOR_TEST);
        glClearDepth(1.0);
        glClear(GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT);
        test::takeGlError();
    }
    void TearDown() override {
        glDisable(GL_SCISSOR_TEST);
        glClearDepth(1.0);
        EXPECT_EQ(test::takeGlError(), 0u);
    }
    // Clears the depth of a rectangle to the near plane (black in the image).
    static void clearToNear(int x, int y, int w, int h) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(x, y, w, h);
        glClearDepth(0.0);
        glClear(GL_DEPTH_BUFFER_BIT);
        glClearDepth(1.0);
        glDisable(GL_SCISSOR_TEST);
    }
    std::string shoot(int width, int height) {
        const std::string path = dir.file("shot.tga");
        app::writeDepthShot(printed, path.c_str(), width, height);
        return test::readFile(path);
    }
    test::TempDir dir;
    test::CapturedOutput printed;
};

// Uncompressed 8-bit greyscale with the origin at the lower left, so every
// TGA reader shows it upright: the bottom row first, rows without padding.
TEST_F(DepthShotTest, ShotsAreGreyscaleFromTheBottomRowUpWithoutPaddingWhateverTheWidth) {
    const std::string cleared = shoot(1280, 720);
    ASSERT_EQ(cleared.size(), 18u + 921600u);
    EXPECT_EQ(cleared.substr(0, 18), std::string("\0\0\3\0\0\0\0\0\0\0\0\0\0\5\xD0\2\x08\0", 18));
    EXPECT_EQ(cleared.find_first_not_of('\xFF', 18), std::string::npos);  // the far plane: white
    clearToNear(0, 0, 100, 3);  // black at the bottom left
    const std::string file = shoot(333, 7);
    ASSERT_EQ(file.size(), 18u + 333u * 7u);
    for (int row = 0; row < 7; ++row) {
        const std::string black(row < 3 ? 100 : 0, '\0');
        EXPECT_TRUE(file.substr(18 + 333 * row, 333) == black + std::string(333 - black.size(), '\xFF')) << row;
    }
}

TEST_F(DepthShotTest, AFileThatCannotBeOpenedIsSkipped) {
    app::writeDepthShot(printed, dir.file("no/such/folder/shot.tga").c_str(), 64, 64);
    EXPECT_FALSE(test::fileExists(dir.file("no/such/folder/shot.tga")));
    app::writeDepthShot(printed, dir.file("empty.tga").c_str(), 0, 10);
    EXPECT_FALSE(test::fileExists(dir.file("empty.tga")));
}

}  // namespace
