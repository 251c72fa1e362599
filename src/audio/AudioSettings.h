// The player's sound settings (config.txt's `sound` and `volume`).
#pragma once

#include <string>

namespace brindlemoor::audio {

struct AudioSettings {
    bool enabled = true;  // sound=on|off
    int volume = 80;      // volume=0..100
};

}  // namespace brindlemoor::audio
