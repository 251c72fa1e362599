// The game installed into a prefix: its files where desktops and packages look
// for them and nothing of the tests or tools; the installed game started from
// an empty folder finds its data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "TestFiles.h"

namespace brindlemoor::test {
namespace {

namespace fs = std::filesystem;

class Install : public testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix_ = new TempDir;
        const CommandResult run = runCommand(std::string("cmake --install '") + BRINDLEMOOR_BUILD_DIR + "' --prefix '" +
                                             prefix_->path() + "'");
        ASSERT_EQ(run.exitStatus, 0) << run.output;
    }
    static void TearDownTestSuite() { delete prefix_; }
    static std::string installed(const std::string& relative) { return prefix_->file(relative); }
    static TempDir* prefix_;
};
TempDir* Install::prefix_ = nullptr;

TEST_F(Install, PutsTheGameItsDataAndDesktopFilesUnderThePrefixAndNoTestOrTool) {
    for (const char* file : {"share/brindlemoor/Shader/celShader.vert", "share/brindlemoor/Resources/boy/boy.obj",
                             "share/icons/hicolor/128x128/apps/brindlemoor.png", "share/doc/brindlemoor/README.md",
                             "share/doc/brindlemoor/config.txt"}) {
        EXPECT_TRUE(fileExists(installed(file))) << file;
    }
    std::set<std::string> programs;
    for (const auto& entry : fs::directory_iterator(installed("bin"))) programs.insert(entry.path().filename());
    EXPECT_EQ(programs, std::set<std::string>{"brindlemoor"});
    const CommandResult desktop = runCommand("desktop-file-validate '" + installed("share/applications/brindlemoor.desktop") + "'");
    EXPECT_EQ(desktop.exitStatus, 0);
    EXPECT_EQ(desktop.output, "");
    TempDir empty;
    const CommandResult help = runCommand("cd '" + empty.path() + "' && '" + installed("bin/brindlemoor") + "' --help");
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.output.find("Usage: brindlemoor [OPTIONS]\n"), std::string::npos) << help.output;
}

TEST_F(Install, TheDebianPackageHoldsTheSameFilesAndNamesTheLibrariesTheGameRunsWith) {
    TempDir dir;
    const std::string deb = "'" + dir.path() + "'/brindlemoor_*.deb";
    const CommandResult made = runCommand(std::string("cpack -G DEB --config '") + BRINDLEMOOR_BUILD_DIR +
                                          "/CPackConfig.cmake' -B '" + dir.path() + "'");
    ASSERT_EQ(made.exitStatus, 0) << made.output;
    std::set<std::string> packaged, installedFiles;
    for (const std::string& line : lines(runCommand("dpkg-deb -c " + deb).output)) {
        const std::string path = line.substr(line.rfind(' ') + 1);
        if (path.back() != '/') packaged.insert(path.substr(std::string("./usr/").size()));
    }
    for (const auto& entry : fs::recursive_directory_iterator(prefix_->path())) {
        if (!entry.is_directory()) installedFiles.insert(fs::relative(entry.path(), prefix_->path()).string());
    }
    EXPECT_EQ(packaged, installedFiles);
    // The libraries the game links today; sound and history add theirs.
    const std::string depends = runCommand("dpkg-deb -f " + deb + " Depends").output;
    for (const char* library : {"libassimp5 ", "libc6 ", "libglew2.2 ", "libglfw3 ", "libopengl0", "libstdc++6 "}) {
        EXPECT_NE(depends.find(library), std::string::npos) << library << " missing in " << depends;
    }
}

TEST_F(Install, TheInstalledGameStartsFromAnEmptyFolderAt1280By720AndEndsOnEscape) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs a display";
    }
    TempDir empty;
    const std::string script = startGameScript("'" + installed("bin/brindlemoor") + "'") +
                               "xdotool getwindowgeometry \"$id\"\n"
                               "xdotool windowfocus --sync \"$id\" 2>/dev/null; xdotool key --window \"$id\" Escape\n"
                               "( sleep 30; kill $pid 2>/dev/null ) >/dev/null 2>&1 &\n"
                               "wait $pid; echo \"status $?\"\n";
    writeFile(empty.file("play.sh"), script);
    const CommandResult run = runCommand("cd '" + empty.path() + "' && bash play.sh");
    const std::string log = readFile(empty.file("game.log"));
    EXPECT_NE(run.output.find("status 0\n"), std::string::npos) << run.output << log;
    EXPECT_NE(run.output.find("Geometry: 1280x720"), std::string::npos) << "the size without config.txt";
    EXPECT_NE(log.find("finished setting up a new game!\n"), std::string::npos) << log;
}

}  // namespace
}  // namespace brindlemoor::test
