// The real game binary's fatal start-up path without a display (the normal
// start and end is tried on the installed game), and its report, which needs
// neither a display nor the game's data.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "stats/Sqlite.h"

namespace {

using brindlemoor::test::runCommand;
using brindlemoor::test::TempDir;

// A working directory with the game's data but no config.txt.
void linkGameData(const TempDir& dir) {
    for (const char* folder : {"Resources", "Shader"}) {
        std::filesystem::create_directory_symlink(brindlemoor::test::sourcePath(folder), dir.file(folder));
    }
}

TEST(Startup, WithoutADisplayPrintsTheGlfwFailureAndExitsWith255WithoutWaiting) {
    TempDir dir;
    linkGameData(dir);  // without it the game ends before the window, with status 2
    // A game that waited for Enter would be ended by timeout, with status 124.
    const auto result = runCommand("cd '" + dir.path() + "' && env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 '" +
                                   BRINDLEMOOR_GAME_BINARY + "' </dev/null");
    EXPECT_EQ(result.exitStatus, 255) << result.output;
    const auto printed = brindlemoor::test::lines(result.output);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.front(), "Cannot open 'config.txt' file. Falling back to standard settings");
    EXPECT_NE(result.output.find("Failed to init glfw\n"), std::string::npos) << result.output;
}

TEST(Startup, StatsNeedsNoDataAndLeavesAnotherProgramsDatabaseAsItWas) {
    TempDir dir;  // no data here
    namespace sqlite = brindlemoor::stats::sqlite;
    sqlite::Database(dir.file("other.db"), sqlite::OpenMode::Create)
        .exec("PRAGMA journal_mode = WAL; CREATE TABLE notes (text); INSERT INTO notes VALUES ('keep')");
    const std::string before = brindlemoor::test::readFile(dir.file("other.db"));
    const auto result = runCommand("cd '" + dir.path() + "' && env -u BRINDLEMOOR_DATA '" + BRINDLEMOOR_GAME_BINARY +
                                   "' --stats --history other.db </dev/null");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(brindlemoor::test::lines(result.output),
              (std::vector<std::string>{"Cannot open 'config.txt' file. Falling back to standard settings",
                                        "setting history to other.db", "History not read: other.db is another program's database"}));
    EXPECT_EQ(brindlemoor::test::readFile(dir.file("other.db")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no file beside it";
}

}  // namespace
