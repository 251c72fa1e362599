// Recordings read back exactly as written; a file cut short keeps every whole
// frame; a damaged or foreign file gets one clear reason and never a crash.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <limits>
#include <regex>
#include <sstream>

#include "TestFiles.h"
#include "TestOutput.h"
#include "session/Replay.h"

namespace brindlemoor::test {
namespace {

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
TEST(Recording, ReadsBackExactlyWhatWasWrittenAndWhatACrashLeft) {
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
}

TEST(Recording, DamagedFilesGetOneClearReason) {
    TempDir dir;
    const std::string good = writeSample(dir);
    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"", "the file is empty"},
        {"\x89PNG\r\n\x1a\n", "not a Brindlemoor recording"},
        {replaced("version 2", "version 3"), "line 2: written by a newer game (recording version 3"},
        {replaced("my level", "%4"), "line 5: a setting with a broken %XX escape"},
        {good.substr(0, good.find("frames\n") + 3), "line 6: the file is cut short in the middle of a line"},
        {replaced("frame 1", "frame 2"), "line 8: frame 2 where frame 1 should be"},
        {replaced("1 0.30000000000000004 3", "1 0.30000000000000004 5000"), "line 8: more than 1024 events"},
        {replaced("key 265", "key 999"), "line 10: an event with a key number outside GLFW's"},
        {replaced("1000.125", "1000.135"), "line 8: frame 1 does not match its checksum (the file is damaged)"},
        {replaced("seed 18446744073709551615", "seed 18446744073709551614"),
         "line 7: frame 0 does not match its checksum (the file is damaged)"},
        {replaced("end 3", "end 4"), "line 16: the end line counts 4 frames, the file holds 3"},
        {good.substr(0, good.size() - 10) + "\n", "line 16: no checksum at the end of the line"},
        {replaced("width=1280", std::string(20000, 'w')), "line 4: a line longer than 16384 bytes"},
    };
    for (const auto& c : cases) {
        const io::Result<session::Recording> read = readText(c.text);
        EXPECT_EQ(read.reason().rfind(c.error, 0), 0u) << c.error << " / " << read.reason();
    }
    // Any bit flipped anywhere is found; the last line feed only ends the file.
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string flipped = good;
            flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
            const io::Result<session::Recording> read = readText(flipped);
            EXPECT_TRUE(!read || (at == good.size() - 1 && !read->finished && read->frames.size() == 3)) << at;
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

// A crash or a full disk leaves a file that ends anywhere, even in the middle
// of a line: every whole frame before the cut replays.
TEST(Recording, AFileCutShortKeepsEveryWholeFrame) {
    TempDir dir;
    const std::string good = writeSample(dir);
    const std::size_t header = good.find("frames\n") + 7;
    const std::size_t frameEnds[] = {good.find("\nframe 1 "), good.find("\nframe 2 "), good.find("\nend ")};
    for (std::size_t size = 0; size < good.size(); ++size) {
        const io::Result<session::Recording> read = readText(good.substr(0, size));
        ASSERT_EQ(read.ok(), size >= header) << size << read.reason();
        if (read) {
            const auto whole = std::count_if(std::begin(frameEnds), std::end(frameEnds),
                                             [size](std::size_t end) { return end <= size; });
            EXPECT_EQ(read->frames.size(), static_cast<std::size_t>(whole)) << size;
            EXPECT_EQ(read->finished, size == good.size() - 1) << size;  // only the last line feed missing
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
    const std::string text = readFile(path);
    EXPECT_TRUE(text.size() == 1000 && text.back() != '\n');
    const io::Result<session::Recording> read = session::readRecordingFile(path);
    ASSERT_TRUE(read && !read->finished && read->frames.size() >= 10) << read.reason();
    EXPECT_EQ(lines(printed.take()),
              (std::vector<std::string>{"Recording stopped: " + path + ": File too large",
                                        "Recording cut short: " + path + " holds the first " +
                                            std::to_string(read->frames.size()) + " frames of the session"}));
}

}  // namespace
}  // namespace brindlemoor::test
