// Sound files of any content through libsndfile: either a failure with nothing
// kept, or mono samples within the rate and length limits.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "audio/SoundFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brindlemoor::fuzz::require;
    namespace a = brindlemoor::audio;
    const brindlemoor::io::Result<a::PcmSound> read = a::readSoundFile(brindlemoor::fuzz::writeScratchFile(data, size));
    if (!read) {
        require(read.reason() == "missing" || read.reason() == "unreadable", "a failure says why");
        return 0;
    }
    const a::PcmSound& pcm = read.value();
    require(pcm.sampleRate >= a::kMinSampleRate && pcm.sampleRate <= a::kMaxSampleRate, "rate within the limits");
    require(!pcm.samples.empty(), "a sound has samples");
    require(pcm.samples.size() <= static_cast<std::size_t>(pcm.sampleRate) * a::kMaxSoundSeconds, "at most ten seconds");
    return 0;
}
