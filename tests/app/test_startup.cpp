// The real game binary's fatal start-up path without a display (the normal
// start and end is tried on the installed game).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TestFiles.h"

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

}  // namespace
