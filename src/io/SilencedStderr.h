// Standard error sent nowhere for a while: for library calls that report an
// expected failure at length on their own (ALSA and OpenAL on a machine with
// no sound card print nine lines before the game's one).
#pragma once

namespace brindlemoor::io {

class SilencedStderr {
public:
    SilencedStderr();
    ~SilencedStderr();
    SilencedStderr(const SilencedStderr&) = delete;
    SilencedStderr& operator=(const SilencedStderr&) = delete;

private:
    int saved_ = -1;  // the real standard error, restored on destruction
};

}  // namespace brindlemoor::io
