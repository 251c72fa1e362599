// The real game binary: the fatal start-up path without a display, and a
// normal start and end with a display.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <sys/stat.h>

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
    const auto started = std::chrono::steady_clock::now();
    const auto result = runCommand("cd '" + dir.path() + "' && env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 '" +
                                   BRINDLEMOOR_GAME_BINARY + "' </dev/null");
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(result.exitStatus, 255) << result.output;
    const auto printed = brindlemoor::test::lines(result.output);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.front(), "Cannot open 'config.txt' file. Falling back to standard settings");
    EXPECT_NE(result.output.find("Failed to init glfw\n"), std::string::npos) << result.output;
    EXPECT_LT(seconds, 15.0);
}

TEST(Startup, MissingVertexShaderIsFatalBeforeTheFragmentFileIsOpened) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs a display";
    }
    TempDir dir;
    std::filesystem::create_directory_symlink(brindlemoor::test::sourcePath("Resources"), dir.file("Resources"));
    std::filesystem::create_directory(dir.file("Shader"));
    // The fragment file is a named pipe with no writer: opening it would block
    // until the timeout, so a prompt exit shows it was never opened.
    ASSERT_EQ(::mkfifo(dir.file("Shader/LightsNormalShadowShader.frag").c_str(), 0600), 0);
    const auto result =
        runCommand("cd '" + dir.path() + "' && timeout 10 '" + BRINDLEMOOR_GAME_BINARY + "' </dev/null");
    EXPECT_EQ(result.exitStatus, 255) << result.output;
    EXPECT_NE(result.output.find("Failed to open shader file: Shader/LightsNormalShadowShader.vert\n"),
              std::string::npos)
        << result.output;
}

TEST(Startup, OpensA1280By720WindowAndEndsWithStatusZeroOnEscape) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs a display";
    }
    TempDir dir;
    linkGameData(dir);
    // Other test programs may have hidden windows of the same title open on
    // this display: look for the visible window of this process only.
    const std::string script =
        "'" + std::string(BRINDLEMOOR_GAME_BINARY) + "' </dev/null >game.log 2>&1 &\n"
        "pid=$!\n"
        "for i in $(seq 1 200); do\n"
        "  id=$(xdotool search --onlyvisible --pid $pid --name '^Brindlemoor$' 2>/dev/null | head -n1)\n"
        "  [ -n \"$id\" ] && break; sleep 0.1\n"
        "done\n"
        "[ -n \"$id\" ] || { echo no-window; kill $pid; exit 1; }\n"
        "sleep 1; xdotool getwindowgeometry \"$id\"\n"
        "xdotool windowfocus --sync \"$id\" 2>/dev/null; xdotool key --window \"$id\" Escape\n"
        "( sleep 30; kill $pid 2>/dev/null ) >/dev/null 2>&1 &\n"
        "wait $pid; echo $?\n";
    brindlemoor::test::writeFile(dir.file("play.sh"), script);
    const auto result = runCommand("cd '" + dir.path() + "' && bash play.sh");
    const std::string log = dir.file("game.log");
    EXPECT_NE(result.output.find("Geometry: 1280x720"), std::string::npos) << result.output;
    const auto printed = brindlemoor::test::lines(result.output);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.back(), "0") << result.output << brindlemoor::test::readFile(log);
    EXPECT_NE(brindlemoor::test::readFile(log).find("finished setting up a new game!"), std::string::npos);
}

}  // namespace
