// The player's sound settings and how configuration lines set them.
#pragma once

#include <string>

namespace brindlemoor::audio {

struct AudioSettings {
    bool enabled = true;  // sound=on|off
    int volume = 80;      // volume=0..100
};

// Applies one configuration line if its key is "sound" or "volume" and
// returns true; false for any other key, leaving the settings alone.
// sound: "off", "false" or "0" switch it off, any other value on.
// volume: a whole number, clamped to 0..100; a value that is not a number
// keeps the volume as it was.
bool applyAudioSetting(AudioSettings& settings, const std::string& key, const std::string& value);

}  // namespace brindlemoor::audio
