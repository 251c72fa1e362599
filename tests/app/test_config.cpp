#include <gtest/gtest.h>

#include "TestFiles.h"
#include "app/Config.h"
#include "app/GameState.h"

using namespace std::string_literals;
using brindlemoor::app::gameState;
using Lines = std::vector<std::string>;
namespace t = brindlemoor::test;

class Config : public ::testing::Test {
protected:
    void SetUp() override { gameState = brindlemoor::app::GameState{}; }
    Lines read(const std::string& content) {
        t::writeFile(dir.file("config.txt"), content);
        return t::lines(t::captureStdout([&] { brindlemoor::app::readConfigFile(dir.file("config.txt")); }));
    }
    t::TempDir dir;
};

TEST_F(Config, MissingFileOnlyPrintsTheNoticeAndKeepsDefaults) {
    t::ScopedWorkingDirectory inDir(dir.path());
    EXPECT_EQ(t::lines(t::captureStdout(brindlemoor::app::readConfig)),
              Lines{"Cannot open 'config.txt' file. Falling back to standard settings"});
    EXPECT_EQ(gameState.width, 1280);
    EXPECT_EQ(gameState.wordListPath, "Resources/Wordlists/default.txt");
    // A directory opens on Linux but cannot be read: the same notice.
    EXPECT_EQ(t::lines(t::captureStdout([&] { brindlemoor::app::readConfigFile(dir.path()); })),
              Lines{"Cannot open 'config.txt' file. Falling back to standard settings"});
}

TEST_F(Config, NumbersAreReadLikeAtoiAsUnsignedAndCapped) {
    EXPECT_EQ(read("width=4000\nheight=-5\nlevellength=250\nwidth=abc\nheight= 700px\n"
                   "levellength=99999999999\nwidth=-0\n"),
              (Lines{"reading config file...", "setting width to 1920", "setting height to 1080",
                     "setting level length to 99", "setting width to 0", "setting height to 700",
                     "setting level length to 99", "setting width to 0"}));
    EXPECT_EQ(gameState.width, 0);
    EXPECT_EQ(gameState.height, 700);
    EXPECT_EQ(gameState.levelLength, 99);
}

TEST_F(Config, SwitchesAreExactAndTheLastLineWins) {
    EXPECT_EQ(read("fullscreen=true\nshader=Cel\nantialiasing=true \nfullscreen=false\nshader=cel\n"),
              (Lines{"reading config file...", "setting fullscreen to on", "using mormal and shadow mapping shader",
                     "setting antialiasing to off", "setting fullscreen to off", "using cel (toon) shader"}));
    EXPECT_FALSE(gameState.fullscreen);
    EXPECT_FALSE(gameState.shadowShading);
    EXPECT_FALSE(gameState.antialiasing);
}

TEST_F(Config, PathsAreTakenVerbatimAndOddLinesIgnored) {
    EXPECT_EQ(read("level=a.txt // not a comment\nwidth = 800\nwordlist=w=x.txt\nlevel=\n"),
              (Lines{"reading config file...", "setting levelpath to a.txt // not a comment",
                     "setting wordpath to w=x.txt", "setting levelpath to "}));
    EXPECT_EQ(gameState.width, 1280);
    EXPECT_EQ(gameState.levelPath, "");
    EXPECT_EQ(gameState.wordListPath, "w=x.txt");
}

TEST_F(Config, CommentLinesAreNotCounted) {
    const Lines error{"reading config file...", "Error at reading line: 0in file config.txt"};
    EXPECT_EQ(read("// window\nno equals here\n"), error);
    EXPECT_EQ(read("no equals here\n"), error);
    EXPECT_EQ(read("\nwidth=640\n// x\nbroken\n").back(), "Error at reading line: 2in file config.txt");
}

TEST_F(Config, WindowsFilesAndBadBytesAreHandled) {
    read("\xEF\xBB\xBF" "fullscreen=true\r\nshader=cel\r\nlevel=l\0v\xFF\r\n"s);
    EXPECT_TRUE(gameState.fullscreen);
    EXPECT_FALSE(gameState.shadowShading);
    EXPECT_EQ(gameState.levelPath, "l\0v\xFF"s);
    EXPECT_EQ(read(std::string(10'000'000, 'x')).back(), "Error at reading line: 0in file config.txt");
    EXPECT_EQ(read("width=7\0" "00\n"s).back(), "setting width to 7");
}
