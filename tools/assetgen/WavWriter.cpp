#include "WavWriter.h"

#include <string>

namespace assetgen {

namespace {

void putTag(std::vector<std::uint8_t>& out, const std::string& tag) { out.insert(out.end(), tag.begin(), tag.end()); }

void putLE(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::vector<std::uint8_t> wavBytes(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    putLE(out, 36 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLE(out, 16, 4);        // chunk size
    putLE(out, 1, 2);         // PCM
    putLE(out, 1, 2);         // mono
    putLE(out, rate, 4);
    putLE(out, rate * 2, 4);  // bytes per second
    putLE(out, 2, 2);         // bytes per frame
    putLE(out, 16, 2);        // bits per sample
    putTag(out, "data");
    putLE(out, dataBytes, 4);
    for (std::int16_t s : samples) putLE(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

}  // namespace assetgen
