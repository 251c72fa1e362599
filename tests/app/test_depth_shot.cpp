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

TEST_F(DepthShotTest, ShotsAreWrittenRowByRowWithoutPaddingWhateverTheWidth) {
    const std::string cleared = shoot(1280, 720);
    ASSERT_EQ(cleared.size(), 18u + 921600u);
    EXPECT_EQ(cleared.substr(12, 4), std::string("\x00\x05\xD0\x02", 4));
    EXPECT_EQ(cleared.find_first_not_of('\xFF', 18), std::string::npos);  // the far plane: white
    clearToNear(0, 0, 100, 720);  // a black band down the left side
    const std::string file = shoot(333, 7);
    ASSERT_EQ(file.size(), 18u + 333u * 7u);
    for (int row = 0; row < 7; ++row) {
        EXPECT_TRUE(file.substr(18 + 333 * row, 333) == std::string(100, '\0') + std::string(233, '\xFF')) << row;
    }
}

TEST_F(DepthShotTest, ImagesOpenUprightInAnIndependentReader) {
    clearToNear(0, 0, 64, 16);  // the bottom 16 rows of the window are near
    const std::string path = dir.file("shot.tga");
    app::writeDepthShot(printed, path.c_str(), 64, 48);
    // ImageMagick reads the lower-left origin from the header and turns the
    // image upright for display.
    const auto result = test::runCommand("identify -format '%w %h %[colorspace] %[orientation]' '" + path +
                                         "' && echo && convert '" + path +
                                         "' -auto-orient -format '%[fx:p{0,0}] %[fx:p{0,47}]' info:");
    ASSERT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_EQ(result.output, "64 48 Gray BottomLeft\n1 0") << "top row white, bottom row black";
}

TEST_F(DepthShotTest, AFileThatCannotBeOpenedIsSkipped) {
    app::writeDepthShot(printed, dir.file("no/such/folder/shot.tga").c_str(), 64, 64);
    EXPECT_FALSE(test::fileExists(dir.file("no/such/folder/shot.tga")));
    app::writeDepthShot(printed, dir.file("empty.tga").c_str(), 0, 10);
    EXPECT_FALSE(test::fileExists(dir.file("empty.tga")));
}

}  // namespace
