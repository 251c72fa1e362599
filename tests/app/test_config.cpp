// config.txt: numbers read like atoi as unsigned and capped, exact switches,
// paths verbatim, comment lines not counted, a missing file only noticed.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "TestOutput.h"
#include "app/Config.h"
#include "app/GameState.h"

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;
namespace t = brindlemoor::test;
namespace app = brindlemoor::app;

class Config : public ::testing::Test {
protected:
    void SetUp() override { app::gameState = app::GameState{}; }
    Lines read(const std::string& content) {
        t::writeFile(dir.file("config.txt"), content);
        app::readConfigFile(dir.file("config.txt"), target, printed);
        return t::lines(printed.take());
    }
    const app::GameState& game = app::gameState;
    app::Settings settings;
    app::SettingsTarget target{app::gameState, settings};
    t::CapturedOutput printed;
    t::TempDir dir;
};

TEST_F(Config, AMissingOrUnreadableFileOnlyPrintsTheNoticeAndKeepsDefaults) {
    for (const std::string& path : {dir.file("none.txt"), dir.path()}) {  // a folder opens but cannot be read
        app::readConfigFile(path, target, printed);
        EXPECT_EQ(t::lines(printed.take()), Lines{"Cannot open 'config.txt' file. Falling back to standard settings"});
    }
    EXPECT_EQ(game.width, 1280);
    EXPECT_EQ(game.wordListPath, "Resources/Wordlists/default.txt");
    EXPECT_EQ(settings.volume, 80u);
}

TEST_F(Config, NumbersAreReadLikeAtoiAsUnsignedAndCapped) {
    EXPECT_EQ(read("width=4000\nheight=-5\nlevellength=250\nwidth=abc\nheight= 700px\n"
                   "levellength=99999999999\nwidth=-0\nheight=7\0" "00\n"s),
              (Lines{"reading config file...", "setting width to 1920", "setting height to 1080",
                     "setting level length to 99", "setting width to 0", "setting height to 700",
                     "setting level length to 99", "setting width to 0", "setting height to 7"}));
    EXPECT_EQ(game.height, 7);
    EXPECT_EQ(game.levelLength, 99);
}

TEST_F(Config, SwitchesAreExactPathsVerbatimAndTheLastLineWins) {
    EXPECT_EQ(read("fullscreen=true\nshader=Cel\nantialiasing=true \nfullscreen=false\nshader=cel\n"
                   "level=a.txt // not a comment\nwidth = 800\nwordlist=w=x.txt\nlevel=\nwords=adaptive\r\n"),
              (Lines{"reading config file...", "setting fullscreen to on", "using mormal and shadow mapping shader",
                     "setting antialiasing to off", "setting fullscreen to off", "using cel (toon) shader",
                     "setting levelpath to a.txt // not a comment", "setting wordpath to w=x.txt",
                     "setting levelpath to ", "setting words to adaptive"}));
    EXPECT_FALSE(game.fullscreen || game.shadowShading || game.antialiasing);
    EXPECT_EQ(game.width, 1280);
    EXPECT_EQ(game.levelPath, "");
    EXPECT_TRUE(settings.adaptiveWords);
}

// The game's own keys take what their options take, so a file and a command
// line with the same value give the same game.
TEST_F(Config, TheGamesOwnKeysFollowTheCommandLinesRule) {
    EXPECT_EQ(read("volume=-1\nvolume=150\nvolume=\nsound=yes\nwords=random\n"),
              (Lines{"reading config file...", "setting volume to 0", "setting volume to 100",
                     "Setting volume left as it was:  is not a whole number from 0 to 100",
                     "Setting sound left as it was: yes is not one of on, off", "setting words to random"}));
    EXPECT_EQ(settings.volume, 100u);
    EXPECT_TRUE(settings.sound);
}

TEST_F(Config, CommentLinesAreNotCounted) {
    const Lines error{"reading config file...", "Error at reading line: 0in file config.txt"};
    EXPECT_EQ(read("// window\nno equals here\n"), error);
    EXPECT_EQ(read("no equals here\n"), error);
    EXPECT_EQ(read("\nwidth=640\n// x\nbroken\n").back(), "Error at reading line: 2in file config.txt");
}

}  // namespace
