// The game installed into a prefix: its files where desktops, manuals, shells
// and packages look for them, accepted by their checkers, and nothing of the
// tests or tools; the installed game started from an empty folder finds its
// data.
#include <gtest/gtest.h>

#include <algorithm>
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

// The options a text names: lines that start, after `indent`, with one.
std::vector<std::string> optionsListed(const std::string& text, const std::string& indent) {
    std::vector<std::string> options;
    for (std::string line : lines(text)) {
        if (line.rfind(indent + "-h,", 0) == 0) line.erase(indent.size(), 3);
        if (line.rfind(indent + "--", 0) == 0) {
            options.push_back(line.substr(indent.size(), line.find(' ', indent.size()) - indent.size()));
        }
    }
    return options;
}

TEST_F(Install, PutsTheGameItsDataAndDocumentsUnderThePrefixAndNoTestOrToolAndTheCheckersAcceptThem) {
    for (const char* file : {"share/brindlemoor/Shader/celShader.vert", "share/brindlemoor/Resources/boy/boy.obj",
                             "share/icons/hicolor/128x128/apps/brindlemoor.png", "share/doc/brindlemoor/README.md",
                             "share/doc/brindlemoor/config.txt", "share/doc/brindlemoor/copyright",
                             "share/doc/brindlemoor/changelog.gz"}) {
        EXPECT_TRUE(fileExists(installed(file))) << file;
    }
    std::set<std::string> programs;
    for (const auto& entry : fs::directory_iterator(installed("bin"))) programs.insert(entry.path().filename());
    EXPECT_EQ(programs, std::set<std::string>{"brindlemoor"});
    // Each checker says nothing when all is well.
    const std::string id = "io.github.brindlemoor.Brindlemoor";
    for (const std::string& check :
         {"desktop-file-validate '" + installed("share/applications/" + id + ".desktop") + "'",
          "out=$(appstreamcli validate --no-net '" + installed("share/metainfo/" + id + ".metainfo.xml") +
              "') || { echo \"$out\"; false; }",
          "MANWIDTH=80 man --warnings -l '" + installed("share/man/man6/brindlemoor.6.gz") + "' 2>&1 >/dev/null"}) {
        const CommandResult run = runCommand(check);
        EXPECT_TRUE(run.exitStatus == 0 && run.output.empty()) << check << "\n" << run.output;
    }
}

TEST_F(Install, TheManualAndTheCompletionOfferWhatHelpShows) {
    TempDir dir;
    fs::create_directories(dir.file("work/maps"));
    writeFile(dir.file("work/game.rec"), "");
    const CommandResult help = runCommand("cd '" + dir.path() + "' && '" + installed("bin/brindlemoor") + "' --help");
    ASSERT_EQ(help.exitStatus, 0) << help.output;
    const std::vector<std::string> options = optionsListed(help.output, "  ");
    ASSERT_FALSE(options.empty()) << help.output;
    const std::string manual = runCommand("MANWIDTH=80 man -l '" + installed("share/man/man6/brindlemoor.6.gz") + "'")
                                   .output;
    const std::string::size_type start = manual.find("\nOPTIONS\n"), end = manual.find("\nCONFIGURATION\n");
    ASSERT_LT(start, end) << manual;
    EXPECT_EQ(optionsListed(manual.substr(start, end - start), "       "), options);

    // What bash with bash-completion offers after each command line, in any order.
    writeFile(dir.file("complete.sh"), "source /usr/share/bash-completion/bash_completion\nsource '" +
                                           installed("share/bash-completion/completions/brindlemoor") + "'\n"
                                           "COMP_WORDS=(brindlemoor \"$@\"); COMP_CWORD=$#\n"
                                           "COMP_LINE=\"${COMP_WORDS[*]}\"; COMP_POINT=${#COMP_LINE}\n"
                                           "_brindlemoor brindlemoor \"${COMP_WORDS[-1]}\" \"${COMP_WORDS[-2]}\"\n"
                                           "printf '%s\\n' \"${COMPREPLY[@]}\" | LC_ALL=C sort\n");
    const struct {
        const char* words;
        std::vector<std::string> offered;
    } cases[] = {{"''", options},
                 {"--sha", {"--shader"}},
                 {"--shader ''", {"cel", "normal"}},
                 {"--sound=o", {"on", "off"}},
                 {"--data-dir ''", {"maps"}},
                 {"--history ''", {"off", "game.rec", "maps"}}};
    for (auto c : cases) {
        std::sort(c.offered.begin(), c.offered.end());
        const CommandResult run = runCommand("cd '" + dir.file("work") + "' && bash ../complete.sh " + c.words);
        EXPECT_EQ(lines(run.output), c.offered) << c.words;
    }
}

TEST_F(Install, TheDebianPackageHoldsTheSameFilesInDebiansGamesLayoutAndLintianAcceptsIt) {
    TempDir dir;
    const std::string deb = "'" + dir.path() + "'/brindlemoor_*.deb";
    const CommandResult made = runCommand(std::string("cpack -G DEB --config '") + BRINDLEMOOR_BUILD_DIR +
                                          "/CPackConfig.cmake' -B '" + dir.path() + "'");
    ASSERT_EQ(made.exitStatus, 0) << made.output;
    std::set<std::string> packaged, installedFiles;
    // Debian's /usr/games and /usr/share/games stand for bin/ and share/ of any other prefix.
    const std::pair<std::string, std::string> debianFolders[] = {{"games/", "bin/"}, {"share/games/", "share/"}};
    for (const std::string& line : lines(runCommand("dpkg-deb -c " + deb).output)) {
        std::string path = line.substr(line.rfind(' ') + 1);
        if (path.back() == '/') continue;
        path.erase(0, std::string("./usr/").size());
        for (const auto& [debian, other] : debianFolders) {
            if (path.rfind(debian, 0) == 0) path.replace(0, debian.size(), other);
        }
        packaged.insert(path);
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
    const CommandResult lintian = runCommand("lintian --fail-on error,warning " + deb);
    EXPECT_EQ(lintian.exitStatus, 0) << lintian.output;
    // The packaged game finds its data in /usr/share/games from any folder:
    // without a display it gets as far as the window (status 2 without data).
    const CommandResult unpacked =
        runCommand("dpkg-deb -x " + deb + " '" + dir.file("root") + "' && cd '" + dir.path() +
                   "' && env -u DISPLAY -u WAYLAND_DISPLAY ./root/usr/games/brindlemoor </dev/null");
    EXPECT_EQ(unpacked.exitStatus, 255) << unpacked.output;
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
