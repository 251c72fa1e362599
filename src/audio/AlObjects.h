// Owners of OpenAL buffers and sources: move-only, the destructor deletes.
// They need the context they were made in to be current when they go; the
// SoundSystem keeps them inside its context's lifetime.
#pragma once

#include <cstdint>
#include <vector>

#include <AL/al.h>

namespace brindlemoor::audio {

class Buffer {
public:
    Buffer() = default;
    ~Buffer();
    Buffer(Buffer&& other) noexcept;
    Buffer& operator=(Buffer&& other) noexcept;
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    // A buffer holding 16-bit mono samples; empty when OpenAL refuses them.
    static Buffer upload(const std::vector<std::int16_t>& samples, int sampleRate);

    explicit operator bool() const { return name_ != 0; }
    ALuint name() const { return name_; }

private:
    explicit Buffer(ALuint name) : name_(name) {}
    ALuint name_ = 0;
};

class Source {
public:
    Source() = default;
    ~Source();
    Source(Source&& other) noexcept;
    Source& operator=(Source&& other) noexcept;
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    // A new source; empty when OpenAL has none left to give.
    static Source create();

    explicit operator bool() const { return name_ != 0; }
    ALuint name() const { return name_; }

private:
    explicit Source(ALuint name) : name_(name) {}
    ALuint name_ = 0;
};

}  // namespace brindlemoor::audio
