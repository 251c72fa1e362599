// config.txt: numbers read like atoi as unsigned and capped, exact switches,
// paths verbatim, comment lines not counted, a missing file only noticed. The
// command line: options override config.txt's keys through its checks; bad
// options end before anything else with one line, the usage and status 2. And
// the data folder it can name. Recordings read back exactly as written; a file
// cut short keeps every whole frame; a damaged or foreign file gets one clear
// reason and never a crash.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <regex>
#include <sstream>

#include "TestFiles.h"
#include "TestOutput.h"
#include "app/CommandLine.h"
#include "app/Config.h"
#include "app/GameState.h"
#include "io/DataLookup.h"
#include "session/Replay.h"

namespace brindlemoor::test {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

app::CommandLine parse(std::vector<std::string> args, std::string* out = nullptr, std::string* err = nullptr) {
    args.insert(args.begin(), "brindlemoor");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream outStream, errStream;
    app::CommandLine line = app::parseCommandLine(static_cast<int>(argv.size()), argv.data(), outStream, errStream);
    if (out != nullptr) *out = outStream.str();
    if (err != nullptr) *err = errStream.str();
    return line;
}

class CommandLine : public testing::Test {
protected:
    void SetUp() override {
        app::gameState = app::GameState{};
        writeFile(dir.file("config.txt"), "width=800\nlevellength=5\n");
        writeFile(dir.file("words.txt"), "CAT\n");
    }
    // The lines reading config.txt of this content prints.
    Lines read(const std::string& content) {
        writeFile(dir.file("config.txt"), content);
        app::readConfigFile(dir.file("config.txt"), target, printed);
        return lines(printed.take());
    }
    // The lines readConfig prints in `dir` with these options.
    Lines configWith(const std::vector<std::string>& args) {
        ScopedWorkingDirectory inDir(dir.path());
        const app::CommandLine line = parse(args);
        EXPECT_EQ(line.exitStatus, -1);
        app::readConfig(line.options.configFile, line.options.settings, target, printed);
        return lines(printed.take());
    }
    const app::GameState& game = app::gameState;
    app::Settings settings;
    app::SettingsTarget target{app::gameState, settings};
    CapturedOutput printed;
    TempDir dir;
};

using Config = CommandLine;

TEST_F(Config, AMissingOrUnreadableFileOnlyPrintsTheNoticeAndCommentLinesAreNotCounted) {
    for (const std::string& path : {dir.file("none.txt"), dir.path()}) {  // a folder opens but cannot be read
        app::readConfigFile(path, target, printed);
        EXPECT_EQ(lines(printed.take()), Lines{"Cannot open 'config.txt' file. Falling back to standard settings"});
    }
    EXPECT_EQ(game.width, 1280);
    EXPECT_EQ(game.wordListPath, "Resources/Wordlists/default.txt");
    EXPECT_EQ(settings.volume, 80u);

    // Comment lines are not counted in the line an error names.
    const Lines error{"reading config file...", "Error at reading line: 0in file config.txt"};
    EXPECT_EQ(read("// window\nno equals here\n"), error);
    EXPECT_EQ(read("no equals here\n"), error);
    EXPECT_EQ(read("\nwidth=640\n// x\nbroken\n").back(), "Error at reading line: 2in file config.txt");
}

TEST_F(Config, NumbersAreReadLikeAtoiAsUnsignedAndCappedSwitchesExactlyPathsVerbatimTheLastLineWinning) {
    EXPECT_EQ(read("width=4000\nheight=-5\nlevellength=250\nwidth=abc\nheight= 700px\n"
                   "levellength=99999999999\nwidth=-0\nheight=7\0" "00\n"s),
              (Lines{"reading config file...", "setting width to 1920", "setting height to 1080",
                     "setting level length to 99", "setting width to 0", "setting height to 700",
                     "setting level length to 99", "setting width to 0", "setting height to 7"}));
    EXPECT_EQ(game.height, 7);
    EXPECT_EQ(game.levelLength, 99);

    // Switches are exact, paths verbatim, and the last line wins.
    app::gameState = app::GameState{};
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

TEST_F(CommandLine, OptionsComeAfterTheFileFoundByOptionFolderOrXdgConfigHomeAndGoThroughItsChecks) {
    const Lines file{"reading config file...", "setting width to 800", "setting level length to 5"};
    const struct {
        std::vector<std::string> args;
        Lines printed;  // after the file's lines
    } cases[] = {
        {{}, {}},
        {{"--size", "4000x0", "--length", "250"},
         {"setting width to 1920", "setting height to 0", "setting level length to 99"}},
        {{"--length", "3", "--length", "007"}, {"setting level length to 7"}},
        {{"--shader", "cel", "--fullscreen", "--level", "", "--wordlist", "words.txt"},
         {"setting fullscreen to on", "using cel (toon) shader", "setting levelpath to ", "setting wordpath to words.txt"}},
        {{"--sound", "off", "--volume", "150", "--history", "off", "--words", "adaptive"},
         {"setting sound to off", "setting volume to 100", "setting history to off", "setting words to adaptive"}},
        {{"--volume", "-1"}, {"setting volume to 0"}},
    };
    for (const auto& c : cases) {
        Lines expected = file;
        expected.insert(expected.end(), c.printed.begin(), c.printed.end());
        EXPECT_EQ(configWith(c.args), expected) << testing::PrintToString(c.args);
    }
    // What a recording keeps gives the same settings again.
    configWith({"--size", "0x700", "--shader", "cel", "--level", "words.txt", "--volume", "5", "--sound", "off"});
    const std::vector<app::Setting> inForce = app::settingsInForce(target);
    app::gameState = app::GameState{};
    settings = app::Settings{};
    for (const app::Setting& s : inForce) app::applySetting(s, target, printed);
    EXPECT_EQ(app::settingsInForce(target), inForce);
    EXPECT_EQ(app::gameState.height, 700);
    EXPECT_EQ(settings.volume, 5u);

    // The file comes from --config, the working folder or XDG_CONFIG_HOME.
    printed.take();
    writeFile(dir.file("xdg/brindlemoor/config.txt"), "width=640\n");
    writeFile(dir.file("other.txt"), "height=400\n");
    setenv("XDG_CONFIG_HOME", dir.file("xdg").c_str(), 1);
    EXPECT_EQ(configWith({}).at(1), "setting width to 800");
    EXPECT_EQ(configWith({"--config", "other.txt"}).at(1), "setting height to 400");
    std::remove(dir.file("config.txt").c_str());
    EXPECT_EQ(configWith({}).at(1), "setting width to 640");
    unsetenv("XDG_CONFIG_HOME");
}

TEST_F(CommandLine, SessionOptionsAreKeptAndHelpAndVersionEndAtOnce) {
    const app::CommandLine line = parse({"--seed", "18446744073709551615", "--record", "r.rec", "--stats"});
    EXPECT_TRUE(line.options.seeded && line.options.stats && line.options.recordFile == "r.rec");
    EXPECT_TRUE(parse({"--daily"}).options.daily);
    EXPECT_EQ(line.options.seed, 18446744073709551615ull);
    EXPECT_FALSE(parse({}).options.seeded);
    // Help and version print and end at once.
    std::string help, version;
    EXPECT_TRUE(parse({"--help"}, &help).exitStatus == 0 && help.find("--seed N ") != std::string::npos) << help;
    EXPECT_TRUE(parse({"--version"}, &version).exitStatus == 0 && version.rfind("brindlemoor ", 0) == 0) << version;
}

TEST_F(CommandLine, BadOptionsGetOneLineTheUsageAndStatusTwo) {
    ScopedWorkingDirectory inDir(dir.path());
    const std::vector<std::string> bad[] = {
        {"--bogus"},          {"extra"},           {"--length"},           {"--length", "abc"},
        {"--length", "-5"},   {"--size", "12x"},   {"--size", "x720"},     {"--shader", "Cel"},
        {"--volume", "loud"}, {"--sound", "1"},    {"--level", "no.txt"},  {"--seed", "18446744073709551616"},
        {"--data-dir", "."},  {"--replay", "config.txt", "--seed", "1"},  {"--config", "missing.txt"},
        {"--pace", "fast"},   {"--daily", "--seed", "1"},  {"--replay", "config.txt", "--daily"},
        {"--record", ""},
    };
    for (const auto& args : bad) {
        std::string out, err;
        EXPECT_EQ(parse(args, &out, &err).exitStatus, 2) << args[0];
        const Lines printed = lines(err);
        ASSERT_GE(printed.size(), 3u) << err;
        EXPECT_EQ(printed[0].rfind("brindlemoor: ", 0), 0u) << err;
        EXPECT_EQ(printed[2], "Usage: brindlemoor [OPTIONS]") << err;
        EXPECT_EQ(out, "");
    }
}

// The data folder is found wherever the game is started: --data-dir, then
// $BRINDLEMOOR_DATA, the working folder, ../share/brindlemoor and
// ../share/games/brindlemoor beside the executable, and the folder compiled in
// at install time.
TEST(DataLookup, TakesTheFirstFolderHoldingTheDataAndNamesEveryFolderTriedWhenNoneDoes) {
    TempDir dir;
    io::DataSearch search;
    search.option = dir.file("option");
    search.environment = dir.file("environment");
    search.executable = dir.file("prefix/bin/brindlemoor");
    search.installed = dir.file("installed");
    const std::string candidates[] = {search.option, search.environment, dir.file("work"),
                                      dir.file("prefix/share/brindlemoor"), dir.file("prefix/share/games/brindlemoor"),
                                      search.installed};
    for (const std::string& folder : candidates) {
        std::filesystem::create_directories(folder + "/Resources");
        std::filesystem::create_directories(folder + "/Shader");
    }
    ScopedWorkingDirectory inDir(dir.file("work"));
    // Take the data away from one candidate after the other.
    for (const std::string& expected : candidates) {
        const io::Result<std::string> found = io::findDataFolder(search);
        ASSERT_TRUE(found);
        EXPECT_EQ(found.value(), expected == dir.file("work") ? "" : expected);
        std::filesystem::remove_all(expected + "/Shader");
    }
    search.installed = dir.file("prefix/share/brindlemoor");  // the same folder is named once
    EXPECT_EQ(io::findDataFolder(search).reason(),
              "Cannot find the game's data (Resources/ and Shader/); looked in: " + search.option + ", " +
                  search.environment + ", " + dir.file("work") + ", " + search.installed + ", " +
                  dir.file("prefix/share/games/brindlemoor"));
}

using platform::KeyEvent;

io::Result<session::Recording> readText(const std::string& text) {
    std::istringstream in(text);
    return session::readRecording(in);
}

// Writes the frames and returns the file's text; `unfinished` gets the text a
// crash before the end would have left.
std::string write(const std::string& path, const session::Recording& recording, std::string* unfinished = nullptr) {
    session::RecordingWriter writer;
    EXPECT_TRUE(writer.open(path, recording.header).ok());
    for (const session::RecordedFrame& frame : recording.frames) {
        EXPECT_TRUE(writer.writeFrame(frame.timeStep, frame.events).ok());
    }
    if (unfinished != nullptr) *unfinished = readFile(path);
    EXPECT_TRUE(writer.finish().ok());
    return readFile(path);
}

std::string writeSample(const TempDir& dir, std::string* unfinished = nullptr) {
    session::Recording sample;
    sample.header = {18446744073709551615ull, {{"width", "1280"}, {"level", "my level=%\n\x01\xff"}}};
    sample.frames = {{0, 1.0 / 60.0, {}},
                     {1, 0.1 + 0.2, {{'A', true, 'Q', 1000.125}, {265, true, 0, 1e-300, false}, {session::kFocusKey, false, 0, -0.0}}},
                     {2, std::numeric_limits<double>::denorm_min(), {{'A', false, 'Q', 1.0 / 3.0}, {session::kFocusKey, true, 0, 2.0}, {-1, true, 0, 5.0}}}};
    return write(dir.file("game.rec"), sample, unfinished);
}

// Doubles are written in their shortest exact form, so the same text again
// means the same values.
TEST(Recording, ReadsBackExactlyWhatWasWrittenEveryWholeFrameOfWhatACrashLeftAndOneReasonForDamage) {
    TempDir dir;
    std::string unfinished;
    const std::string text = writeSample(dir, &unfinished);
    const io::Result<session::Recording> read = session::readRecordingFile(dir.file("game.rec"));
    ASSERT_TRUE(read.ok()) << read.reason();
    EXPECT_TRUE(read->finished);
    EXPECT_EQ(read->header.settings[1].second, "my level=%\n\x01\xff");
    // The same text again: every value, down to a press whose time was not known.
    EXPECT_EQ(write(dir.file("again.rec"), read.value()), text);
    const io::Result<session::Recording> crashed = readText(unfinished);
    EXPECT_TRUE(crashed && !crashed->finished && crashed->frames.size() == 3) << crashed.reason();
    // Version 1, the same without checksums, still reads.
    const std::string versionOne = std::regex_replace(std::regex_replace(text, std::regex(" [0-9a-f]{8}\n"), "\n"),
                                                      std::regex("version 2"), "version 1");
    const io::Result<session::Recording> old = readText(versionOne);
    ASSERT_TRUE(old && old->finished) << old.reason();
    EXPECT_EQ(write(dir.file("old.rec"), old.value()), text);

    // The writer refuses what no reader would take, and writes the rest.
    session::RecordingWriter writer;
    EXPECT_EQ(writer.open(dir.file("no/such/folder.rec"), {}).reason(), "No such file or directory");
    ASSERT_TRUE(writer.open(dir.file("refused.rec"), {}).ok());
    EXPECT_FALSE(writer.writeFrame(-0.5, {}).ok());
    EXPECT_FALSE(writer.writeFrame(0.1, {{'A', true, 'a', 0.0}}).ok());
    EXPECT_FALSE(writer.writeFrame(0.1, std::vector<KeyEvent>(1025)).ok());
    EXPECT_TRUE(writer.writeFrame(0.1, {}).ok() && writer.finish().ok());
    const io::Result<session::Recording> written = session::readRecordingFile(dir.file("refused.rec"));
    EXPECT_TRUE(written && written->frames.size() == 1) << written.reason();

    // A crash or a full disk leaves a file that ends anywhere, even in the
    // middle of a line: every whole frame before the cut replays.
    const std::size_t header = text.find("frames\n") + 7;
    const std::size_t frameEnds[] = {text.find("\nframe 1 "), text.find("\nframe 2 "), text.find("\nend ")};
    for (std::size_t size = 0; size < text.size(); ++size) {
        const io::Result<session::Recording> read = readText(text.substr(0, size));
        ASSERT_EQ(read.ok(), size >= header) << size << read.reason();
        if (read) {
            const auto whole = std::count_if(std::begin(frameEnds), std::end(frameEnds),
                                             [size](std::size_t end) { return end <= size; });
            EXPECT_EQ(read->frames.size(), static_cast<std::size_t>(whole)) << size;
            EXPECT_EQ(read->finished, size == text.size() - 1) << size;  // only the last line feed missing
        }
    }
    // The disk fills (here a limit on the file's size) in the middle of a frame.
    session::Recorder recorder;
    CapturedOutput printed;
    const std::string path = dir.file("full.rec");
    ASSERT_TRUE(recorder.open(path, {7, {}}).ok());
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit full = before;
    full.rlim_cur = 1000;
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    for (int frame = 0; frame < 50; ++frame) {
        recorder.frame(1.0 / 60.0, {{'C', true, 'C', frame / 60.0}}, printed);
    }
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, signal);
    recorder.frame(1.0 / 60.0, {}, printed);  // room again, but the file has stopped
    recorder.finish(printed);
    const std::string kept = readFile(path);
    EXPECT_TRUE(kept.size() == 1000 && kept.back() != '\n');
    const io::Result<session::Recording> stopped = session::readRecordingFile(path);
    ASSERT_TRUE(stopped && !stopped->finished && stopped->frames.size() >= 10) << stopped.reason();
    EXPECT_EQ(lines(printed.take()),
              (std::vector<std::string>{"Recording stopped: " + path + ": File too large",
                                        "Recording cut short: " + path + " holds the first " +
                                            std::to_string(stopped->frames.size()) + " frames of the session"}));

    // A damaged or foreign file gets one clear reason.
    auto replaced = [&text](const std::string& from, const std::string& to) {
        std::string changed = text;
        return changed.replace(changed.find(from), from.size(), to);
    };
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"", "the file is empty"},
        {"\x89PNG\r\n\x1a\n", "not a Brindlemoor recording"},
        {replaced("version 2", "version 3"), "line 2: written by a newer game (recording version 3"},
        {replaced("my level", "%4"), "line 5: a setting with a broken %XX escape"},
        {text.substr(0, text.find("frames\n") + 3), "line 6: the file is cut short in the middle of a line"},
        {replaced("frame 1", "frame 2"), "line 8: frame 2 where frame 1 should be"},
        {replaced("1 0.30000000000000004 3", "1 0.30000000000000004 5000"), "line 8: more than 1024 events"},
        {replaced("key 265", "key 999"), "line 10: an event with a key number outside GLFW's"},
        {replaced("1000.125", "1000.135"), "line 8: frame 1 does not match its checksum (the file is damaged)"},
        {replaced("seed 18446744073709551615", "seed 18446744073709551614"),
         "line 7: frame 0 does not match its checksum (the file is damaged)"},
        {replaced("end 3", "end 4"), "line 16: the end line counts 4 frames, the file holds 3"},
        {text.substr(0, text.size() - 10) + "\n", "line 16: no checksum at the end of the line"},
        {replaced("width=1280", std::string(20000, 'w')), "line 4: a line longer than 16384 bytes"},
    };
    for (const auto& c : cases) {
        const io::Result<session::Recording> read = readText(c.text);
        EXPECT_EQ(read.reason().rfind(c.error, 0), 0u) << c.error << " / " << read.reason();
    }
    // Any bit flipped anywhere is found; the last line feed only ends the file.
    for (std::size_t at = 0; at < text.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string flipped = text;
            flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
            const io::Result<session::Recording> read = readText(flipped);
            EXPECT_TRUE(!read || (at == text.size() - 1 && !read->finished && read->frames.size() == 3)) << at;
        }
    }
    // Only regular files are read, and a pipe with no writer is not waited on.
    ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0600), 0);
    const std::pair<std::string, std::string> files[] = {{dir.file("none.rec"), "No such file or directory"},
                                                         {dir.path(), "it is a folder"},
                                                         {dir.file("pipe"), "it is not a regular file"},
                                                         {"/dev/null", "it is not a regular file"}};
    for (const auto& [path, reason] : files) {
        EXPECT_EQ(session::readRecordingFile(path).reason(), "Cannot replay " + path + ": " + reason);
    }
}

}  // namespace
}  // namespace brindlemoor::test
