#include "audio/SoundFile.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include <sndfile.h>

namespace brindlemoor::audio {

namespace {

struct CloseSndfile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

constexpr sf_count_t kChunkFrames = 4096;

}  // namespace

io::Result<PcmSound> readSoundFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return io::fail("missing");
    // Not a FIFO or a device: opening one could block start-up.
    if (!std::filesystem::is_regular_file(status)) return io::fail("unreadable");

    SF_INFO info{};
    std::unique_ptr<SNDFILE, CloseSndfile> file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.channels > kMaxChannels || info.samplerate < kMinSampleRate ||
        info.samplerate > kMaxSampleRate) {
        return io::fail("unreadable");
    }

    const auto channels = static_cast<std::size_t>(info.channels);
    const sf_count_t maxFrames = static_cast<sf_count_t>(info.samplerate) * kMaxSoundSeconds;
    std::vector<short> chunk(static_cast<std::size_t>(kChunkFrames) * channels);
    std::vector<std::int16_t> mono;
    // Read until the end rather than trusting the header's frame count,
    // which a damaged file may get wrong.
    while (static_cast<sf_count_t>(mono.size()) < maxFrames) {
        const sf_count_t want = std::min(kChunkFrames, maxFrames - static_cast<sf_count_t>(mono.size()));
        const sf_count_t got = sf_readf_short(file.get(), chunk.data(), want);
        if (got <= 0) break;
        for (sf_count_t frame = 0; frame < got; ++frame) {
            const short* first = chunk.data() + static_cast<std::size_t>(frame) * channels;
            long sum = 0;
            for (std::size_t c = 0; c < channels; ++c) sum += first[c];
            mono.push_back(static_cast<std::int16_t>(sum / static_cast<long>(channels)));
        }
    }
    if (mono.empty()) return io::fail("unreadable");
    return PcmSound{info.samplerate, std::move(mono)};
}

}  // namespace brindlemoor::audio
