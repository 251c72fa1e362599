#include "audio/AlObjects.h"

#include <utility>

namespace brindlemoor::audio {

// ---- Buffer

Buffer::~Buffer() {
    if (name_ != 0) alDeleteBuffers(1, &name_);
}

Buffer::Buffer(Buffer&& other) noexcept : name_(std::exchange(other.name_, 0)) {}

Buffer& Buffer::operator=(Buffer&& other) noexcept {
    if (this != &other) {
        if (name_ != 0) alDeleteBuffers(1, &name_);
        name_ = std::exchange(other.name_, 0);
    }
    return *this;
}

Buffer Buffer::upload(const std::vector<std::int16_t>& samples, int sampleRate) {
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

// ---- Source

Source::~Source() {
    if (name_ != 0) alDeleteSources(1, &name_);
}

Source::Source(Source&& other) noexcept : name_(std::exchange(other.name_, 0)) {}

Source& Source::operator=(Source&& other) noexcept {
    if (this != &other) {
        if (name_ != 0) alDeleteSources(1, &name_);
        name_ = std::exchange(other.name_, 0);
    }
    return *this;
}

Source Source::create() {
    alGetError();
    ALuint name = 0;
    alGenSources(1, &name);
    if (alGetError() != AL_NO_ERROR) return Source();
    return Source(name);
}

}  // namespace brindlemoor::audio
