// Recording a session as it is played, and playing a recording back.
#pragma once

#include <functional>
#include <string>

#include "io/Output.h"
#include "platform/ScriptedInput.h"
#include "session/Recording.h"

namespace brindlemoor::session {

// Writes the frames of a session as they are played. A frame that cannot be
// written stops the recording with one line; the game goes on, and its end
// says how much the file holds.
class Recorder {
public:
    // Nothing is recorded until open() succeeds.
    io::Result<void> open(const std::string& path, const RecordingHeader& header);
    void frame(double timeStep, const std::vector<KeyEvent>& events, io::Output& out);
    // Ends the file, or says where it was cut short.
    void finish(io::Output& out);
    bool recording() const { return writing_; }

private:
    void stop(const std::string& reason, io::Output& out);

    RecordingWriter writer_;
    std::string path_;
    bool writing_ = false;
    bool cut_ = false;
};

// Plays the frames of `recording` one after the other, as fast as they run:
// each frame's events go to `keyboard` at their recorded times, `clock` moves
// on by the frame's time step, then `runFrame(step)` runs the frame and says
// whether the game goes on. The keys of whoever watches come from `watcher`:
// Escape there ends the replay, the rest are not the recorded game's and go.
// Prints the "recording ends here" line when the frames run out before the
// game that made them ended.
void replayFrames(const Recording& recording, platform::ScriptedKeyboard& keyboard, platform::ManualClock& clock,
                  platform::Keyboard& watcher, const std::function<bool(double step)>& runFrame, io::Output& out);

}  // namespace brindlemoor::session
