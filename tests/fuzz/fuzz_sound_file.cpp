// Sound files of any content through libsndfile: either a failure with nothing
// kept, or mono samples within the rate and length limits.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "audio/SoundFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brindlemoor::fuzz::require;
    namespace a = brindlemoor::audio;
    a::PcmSound pcm;
    pcm.sampleRate = 7;  // stale values must not survive a failure
    if (a::readSoundFile(brindlemoor::fuzz::writeScratchFile(data, size), pcm) != a::ReadStatus::Ok) {
        require(pcm.sampleRate == 0 && pcm.samples.empty(), "a failure leaves no sound");
        return 0;
    }
    require(pcm.sampleRate >= a::kMinSampleRate && pcm.sampleRate <= a::kMaxSampleRate, "rate within the limits");
    require(!pcm.samples.empty(), "a sound has samples");
    require(pcm.samples.size() <= static_cast<std::size_t>(pcm.sampleRate) * a::kMaxSoundSeconds, "at most ten seconds");
    return 0;
}
