// WAV files as the game's sound loader reads them: PCM, 16 bit, one channel.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

std::vector<std::uint8_t> wavBytes(const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace assetgen
