// Recordings of a session, for replays and bug reports: the seed, the
// settings in force and every frame's time step and input events. A text
// file, one item a line:
//
//   brindlemoor recording        the magic line
//   version 2
//   seed 1234
//   setting width=1280           any number, in order; bytes outside
//   ...                          printable ASCII, '%' and '=' as %XX
//   frames
//   frame 0 0.0166 2 9f3c01d2    number (0, 1, ...), time step, event count,
//                                checksum
//   key 65 down A 1000.25        GLFW key, down|up, letter or -, game time,
//                                then "untimed" when the press time is not known
//   focus lost 1000.5            the window lost or gained focus
//   ...
//   end 1234 5e0a77c4            the frame count and checksum; missing when
//                                the game that wrote it stopped before its end
//
// A checksum is the CRC-32 (8 hex digits) of every line of the file up to the
// end of its frame (or the end line itself), each line taken without its
// checksum and with one line feed, so a changed byte anywhere is found by the
// next checksum. A file cut short (a crash, a full disk) keeps every whole frame
// before the cut; its last line may lack its line feed and still count when
// its checksum shows it whole. Version 1 is the same without checksums (a last
// line without its line feed counts only as the end line): it still replays.
//
// Doubles are written in the shortest form that reads back exactly.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <utility>
#include <vector>

#include "io/Result.h"
#include "platform/KeyLatch.h"

namespace brindlemoor::session {

// A frame's events as the window layer gathers them (a focus change is the
// key number kFocusKey, `pressed` true when the window gained the focus).
using KeyEvent = platform::KeyEvent;
constexpr int kFocusKey = platform::key::Focus;

struct RecordedFrame {
    std::uint64_t number = 0;
    double timeStep = 0.0;
    std::vector<KeyEvent> events;
};

struct RecordingHeader {
    std::uint64_t seed = 0;
    std::vector<std::pair<std::string, std::string>> settings;  // key, value, in order
};

struct Recording {
    RecordingHeader header;
    std::vector<RecordedFrame> frames;
    bool finished = false;  // the end line was there
};

// What a reader accepts; the writer refuses to write what would break them.
namespace recording_limits {
constexpr std::size_t kLineLength = 16384;
constexpr std::size_t kSettings = 256;
constexpr std::size_t kEventsPerFrame = 1024;
constexpr std::size_t kFrames = 2'000'000;  // over nine hours at 60 frames a second
constexpr std::size_t kEvents = 4'000'000;
}  // namespace recording_limits

// Writes a recording as the game is played: each frame goes to the file as
// it is written, so a crash keeps every frame before it. After a failed write
// nothing more is written: the file ends with the last whole frame.
class RecordingWriter {
public:
    RecordingWriter() = default;
    ~RecordingWriter();
    RecordingWriter(const RecordingWriter&) = delete;
    RecordingWriter& operator=(const RecordingWriter&) = delete;

    // Creates the file and writes the header, or says why it cannot.
    io::Result<void> open(const std::string& path, const RecordingHeader& header);
    // Appends the next frame; fails (and writes nothing) for an event or time
    // step a reader would refuse. Fails too when the file cannot be written,
    // and then stops the file.
    io::Result<void> writeFrame(double timeStep, const std::vector<KeyEvent>& events);
    // Writes the end line and closes the file; the destructor does it when
    // not done before. Fails when the file was stopped or cannot be written.
    io::Result<void> finish();
    // Closes the file without its end line: a replay of it ends there.
    void stop();
    // The whole frames in the file.
    std::uint64_t frames() const { return frames_; }

private:
    io::Result<void> write(const std::string& text);

    int file_ = -1;
    std::uint64_t frames_ = 0;
    std::uint64_t events_ = 0;
    std::uint32_t checksum_ = 0;
};

// The recording, or why it is refused (with the line number).
io::Result<Recording> readRecording(std::istream& in);

// Reads a whole file, which must be a regular file (a pipe or a device is
// refused at once); the reason becomes "Cannot replay <path>: <reason>".
io::Result<Recording> readRecordingFile(const std::string& path);

}  // namespace brindlemoor::session
