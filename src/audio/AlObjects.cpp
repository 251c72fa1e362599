#include "audio/AlObjects.h"

namespace brindlemoor::audio {

Buffer uploadBuffer(const std::vector<std::int16_t>& samples, int sampleRate) {
    if (samples.empty() || sampleRate <= 0) return Buffer();
    alGetError();  // start from a clean error state
    ALuint name = 0;
    alGenBuffers(1, &name);
    if (alGetError() != AL_NO_ERROR) return Buffer();
    Buffer buffer(name);
    alBufferData(name, AL_FORMAT_MONO16, samples.data(), static_cast<ALsizei>(samples.size() * 2), sampleRate);
    if (alGetError() != AL_NO_ERROR) return Buffer();
    return buffer;
}

Source createSource() {
    alGetError();
    ALuint name = 0;
    alGenSources(1, &name);
    if (alGetError() != AL_NO_ERROR) return Source();
    return Source(name);
}

}  // namespace brindlemoor::audio
