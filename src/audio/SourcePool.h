// A fixed set of OpenAL sources shared by every sound. It never grows: when
// all are busy, the sound started longest ago gives way to the new one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/AlObjects.h"

namespace brindlemoor::audio {

class SourcePool {
public:
    // Makes up to `size` sources (fewer if OpenAL runs out); needs a current context.
    explicit SourcePool(std::size_t size);

    // A source ready for a new sound: an idle one, else the oldest one,
    // stopped. 0 when the pool is empty.
    ALuint acquire();

    // Pauses every playing source; resumes exactly those paused here.
    void pauseAll();
    void resumeAll();

    std::size_t size() const { return sources_.size(); }

private:
    std::vector<Source> sources_;
    std::vector<std::uint64_t> startedAt_;  // acquire() count when each was last handed out
    std::uint64_t clock_ = 0;
};

}  // namespace brindlemoor::audio
