#include "session/Replay.h"

#include "platform/Keys.h"

namespace brindlemoor::session {

io::Result<void> Recorder::open(const std::string& path, const RecordingHeader& header) {
    io::Result<void> opened = writer_.open(path, header);
    writing_ = opened.ok();
    cut_ = false;
    path_ = path;
    return opened;
}

void Recorder::stop(const std::string& reason, io::Output& out) {
    out.line("Recording stopped: ", path_, ": ", reason);
    writer_.stop();
    writing_ = false;
    cut_ = true;
}

void Recorder::frame(double timeStep, const std::vector<KeyEvent>& events, io::Output& out) {
    if (!writing_) {
        return;
    }
    const io::Result<void> written = writer_.writeFrame(timeStep, events);
    if (!written) {
        stop(written.reason(), out);
    }
}

void Recorder::finish(io::Output& out) {
    if (writing_) {
        const io::Result<void> finished = writer_.finish();
        writing_ = false;
        if (!finished) {
            stop(finished.reason(), out);
        }
    }
    if (cut_) {
        out.line("Recording cut short: ", path_, " holds the first ", writer_.frames(), " frames of the session");
        cut_ = false;
    }
}

void replayFrames(const Recording& recording, platform::ScriptedKeyboard& keyboard, platform::ManualClock& clock,
                  platform::Keyboard& watcher, const std::function<bool(double step)>& runFrame, io::Output& out) {
    for (const RecordedFrame& frame : recording.frames) {
        for (const KeyEvent& event : frame.events) {
            keyboard.replay(event);
        }
        clock.advance(frame.timeStep);
        if (!runFrame(frame.timeStep) || watcher.take().held(platform::key::Escape)) {
            return;
        }
    }
    if (!recording.finished) {
        out.line("The recording ends here: the game that made it stopped before its end");
    }
}

}  // namespace brindlemoor::session
