// Reading one sound file with libsndfile (WAV, FLAC, Ogg and whatever else it
// knows, by content, not by name) as 16-bit mono for OpenAL. OpenAL resamples
// and positions it; here channels are only averaged down to one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "io/Result.h"

namespace brindlemoor::audio {

// Longer files are cut here, so a huge file cannot eat memory.
constexpr int kMaxSoundSeconds = 10;
// Files outside these limits are refused as unreadable.
constexpr int kMinSampleRate = 4000;
constexpr int kMaxSampleRate = 192000;
constexpr int kMaxChannels = 64;

struct PcmSound {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;  // mono
};

// The reason of a failure is "missing" (no file at the path) or "unreadable"
// (not a regular file, not a sound libsndfile knows, outside the limits above,
// or no samples at all).
io::Result<PcmSound> readSoundFile(const std::string& path);

}  // namespace brindlemoor::audio
