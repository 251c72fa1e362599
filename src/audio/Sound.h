// The sounds the game plays and the files they come from.
#pragma once

#include <cstddef>
#include <string>

namespace brindlemoor::audio {

enum class Sound { ChalkTap, Scrape, BoardLift, Bump, Footstep, Chime };
constexpr std::size_t kSoundCount = 6;

// The sound's file relative to the data folder, e.g. "Resources/sounds/chalk_tap.wav".
const char* soundPath(Sound sound);

}  // namespace brindlemoor::audio
