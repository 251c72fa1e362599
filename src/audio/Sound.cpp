#include "audio/Sound.h"

namespace brindlemoor::audio {

const char* soundPath(Sound sound) {
    switch (sound) {
        case Sound::ChalkTap: return "Resources/sounds/chalk_tap.wav";
        case Sound::Scrape: return "Resources/sounds/scrape.wav";
        case Sound::BoardLift: return "Resources/sounds/board_lift.wav";
        case Sound::Bump: return "Resources/sounds/bump.wav";
        case Sound::Footstep: return "Resources/sounds/footstep.wav";
        case Sound::Chime: return "Resources/sounds/chime.wav";
    }
    return "";
}

}  // namespace brindlemoor::audio
