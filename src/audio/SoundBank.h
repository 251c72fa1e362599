// Every sound of the game read once and held in an OpenAL buffer.
#pragma once

#include <array>

#include "audio/AlObjects.h"
#include "audio/Sound.h"
#include "io/DataFolder.h"
#include "io/Output.h"

namespace brindlemoor::audio {

class SoundBank {
public:
    // Reads every sound (needs a current context). A player's "<name>.ogg" or
    // "<name>.flac" beside "<name>.wav" is taken in its place. A missing or
    // unreadable file prints one line naming it and that sound stays silent.
    void load(const io::DataFolder& data, io::Output& out);

    // The sound's buffer; 0 when it stayed silent.
    ALuint buffer(Sound sound) const { return buffers_[static_cast<std::size_t>(sound)].name(); }

private:
    std::array<Buffer, kSoundCount> buffers_;
};

}  // namespace brindlemoor::audio
