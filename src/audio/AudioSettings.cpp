#include "audio/AudioSettings.h"

namespace brindlemoor::audio {

bool applyAudioSetting(AudioSettings& settings, const std::string& key, const std::string& value) {
    if (key == "sound") {
        settings.enabled = !(value == "off" || value == "false" || value == "0");
        return true;
    }
    if (key != "volume") return false;
    std::size_t i = value.size() > 0 && (value[0] == '-' || value[0] == '+') ? 1 : 0;
    if (i == value.size()) return true;  // not a number
    int magnitude = 0;
    for (; i < value.size(); ++i) {
        if (value[i] < '0' || value[i] > '9') return true;
        // Saturate instead of overflowing: anything past 100 is 100 anyway.
        if (magnitude <= 100) magnitude = magnitude * 10 + (value[i] - '0');
    }
    settings.volume = value[0] == '-' ? 0 : (magnitude > 100 ? 100 : magnitude);
    return true;
}

}  // namespace brindlemoor::audio
