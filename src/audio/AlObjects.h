// Owners of OpenAL buffers and sources (see io::UniqueName). They need
// the context they were made in to be current when they go; the SoundSystem
// keeps them inside its context's lifetime.
#pragma once

#include <cstdint>
#include <vector>

#include <AL/al.h>

#include "io/UniqueName.h"

namespace brindlemoor::audio {

namespace kind {
struct AlBuffer {
    using Name = ALuint;
    static constexpr ALuint kNone = 0;
    static void destroy(ALuint name) { alDeleteBuffers(1, &name); }
};
struct AlSource {
    using Name = ALuint;
    static constexpr ALuint kNone = 0;
    static void destroy(ALuint name) { alDeleteSources(1, &name); }
};
}  // namespace kind

using Buffer = io::UniqueName<kind::AlBuffer>;
using Source = io::UniqueName<kind::AlSource>;

// A buffer holding 16-bit mono samples; empty when OpenAL refuses them.
Buffer uploadBuffer(const std::vector<std::int16_t>& samples, int sampleRate);
// A new source; empty when OpenAL has none left to give.
Source createSource();

}  // namespace brindlemoor::audio
