// Recordings read back exactly as written; a damaged, cut short or foreign
// file gets one clear reason and never a crash.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "TestFiles.h"
#include "session/Recording.h"

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
    writer.finish();
    return readFile(path);
}

std::string writeSample(const TempDir& dir, std::string* unfinished = nullptr) {
    session::Recording sample;
    sample.header = {18446744073709551615ull, {{"width", "1280"}, {"level", "my level=%\n\x01\xff"}}};
    sample.frames = {{0, 1.0 / 60.0, {}},
                     {1, 0.1 + 0.2, {{'A', true, 'Q', 1000.125}, {265, true, 0, 1e-300}, {session::kFocusKey, false, 0, -0.0}}},
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
    EXPECT_EQ(read->frames[2].timeStep, std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(write(dir.file("again.rec"), read.value()), text);
    const io::Result<session::Recording> crashed = readText(unfinished);
    EXPECT_TRUE(crashed && !crashed->finished && crashed->frames.size() == 3) << crashed.reason();
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
        {replaced("version 1", "version 2"), "line 2: written by a newer game (recording version 2"},
        {replaced("my level", "%4"), "line 5: a setting with a broken %XX escape"},
        {good.substr(0, good.size() - 1), "line 16: the file is cut short in the middle of a line"},
        {replaced("frame 1", "frame 2"), "line 8: frame 2 where frame 1 should be"},
        {replaced("1 0.30000000000000004 3", "1 0.30000000000000004 5000"), "line 8: more than 1024 events"},
        {replaced("key 265", "key 999"), "line 10: an event with a key number outside GLFW's"},
        {replaced("end 3", "end 4"), "line 16: the end line counts 4 frames, the file holds 3"},
        {replaced("width=1280", std::string(20000, 'w')), "line 4: a line longer than 16384 bytes"},
    };
    for (const auto& c : cases) {
        const io::Result<session::Recording> read = readText(c.text);
        EXPECT_FALSE(read.ok()) << c.error;
        EXPECT_EQ(read.reason().rfind(c.error, 0), 0u) << read.reason();
    }
    EXPECT_EQ(session::readRecordingFile(dir.file("none.rec")).reason(),
              "Cannot replay " + dir.file("none.rec") + ": No such file or directory");
    // Cut anywhere, the file either reads up to a whole frame or is refused.
    for (std::size_t size = 0; size < good.size(); ++size) {
        const io::Result<session::Recording> read = readText(good.substr(0, size));
        EXPECT_FALSE(read && read->finished) << size;
    }
}

TEST(Recording, TheWriterRefusesWhatNoReaderWouldTake) {
    TempDir dir;
    session::RecordingWriter writer;
    EXPECT_EQ(writer.open(dir.file("no/such/folder.rec"), {}).reason(), "No such file or directory");
    ASSERT_TRUE(writer.open(dir.file("game.rec"), {}).ok());
    EXPECT_FALSE(writer.writeFrame(-0.5, {}).ok());
    EXPECT_FALSE(writer.writeFrame(0.1, {{'A', true, 'a', 0.0}}).ok());
    EXPECT_FALSE(writer.writeFrame(0.1, std::vector<KeyEvent>(1025)).ok());
    EXPECT_TRUE(writer.writeFrame(0.1, {}).ok());
    writer.finish();
    const io::Result<session::Recording> read = session::readRecordingFile(dir.file("game.rec"));
    EXPECT_TRUE(read && read->frames.size() == 1) << read.reason();
}

}  // namespace
}  // namespace brindlemoor::test
