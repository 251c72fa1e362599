// Recordings as a damaged disk or a hostile bug report might hand them over:
// whatever is read stays within the reader's limits, and what it accepts is
// well formed.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "session/Recording.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brindlemoor::fuzz::require;
    namespace session = brindlemoor::session;
    namespace platform = brindlemoor::platform;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const brindlemoor::io::Result<session::Recording> read = session::readRecording(in);
    if (!read) {
        require(!read.reason().empty() && read.reason().find('\n') == std::string::npos, "a one-line reason");
        return 0;
    }
    const session::Recording& recording = read.value();
    require(recording.header.settings.size() <= session::recording_limits::kSettings, "settings within the limit");
    require(recording.frames.size() <= session::recording_limits::kFrames, "frames within the limit");
    for (std::size_t i = 0; i < recording.frames.size(); ++i) {
        const session::RecordedFrame& frame = recording.frames[i];
        require(frame.number == i, "frames numbered in order");
        require(std::isfinite(frame.timeStep) && frame.timeStep >= 0.0, "a usable time step");
        require(frame.events.size() <= session::recording_limits::kEventsPerFrame, "events within the limit");
        for (const platform::KeyEvent& event : frame.events) {
            require(event.letter == 0 || (event.letter >= 'A' && event.letter <= 'Z'), "letters A to Z");
            require(std::isfinite(event.time), "a usable event time");
        }
    }
    return 0;
}
