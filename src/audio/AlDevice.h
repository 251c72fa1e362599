// Owners of the OpenAL device and of the context that makes it current.
// Move-only; the destructor releases. Only one context is current in the
// process, so only one Context should exist at a time.
#pragma once

#include <cstdint>
#include <vector>

#include <AL/alc.h>

namespace brindlemoor::audio {

class Device {
public:
    Device() = default;
    ~Device();
    Device(Device&& other) noexcept;
    Device& operator=(Device&& other) noexcept;
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // The system's default output; empty when none opens (no sound card,
    // no server, or ALSOFT_DRIVERS naming no working back end). The back
    // ends' own messages are kept off standard error unless ALSOFT_LOGLEVEL is set.
    static Device openDefault();
    // A device that plays nowhere and renders stereo 16-bit frames on demand
    // (tests); empty when the loopback extension is missing.
    static Device openLoopback(int sampleRate);

    explicit operator bool() const { return device_ != nullptr; }
    ALCdevice* get() const { return device_; }
    // The rate a loopback device renders at; 0 for a real device.
    int loopbackRate() const { return loopbackRate_; }

    // Mixes the next `frames` stereo frames of a loopback device, left and
    // right interleaved; empty for any other device.
    std::vector<std::int16_t> render(int frames) const;

private:
    Device(ALCdevice* device, int loopbackRate) : device_(device), loopbackRate_(loopbackRate) {}

    ALCdevice* device_ = nullptr;
    int loopbackRate_ = 0;
};

class Context {
public:
    Context() = default;
    // Creates a context on the device (a loopback one mixing stereo 16-bit
    // frames at its rate) and makes it current; empty on failure.
    explicit Context(const Device& device);
    ~Context();
    Context(Context&& other) noexcept;
    Context& operator=(Context&& other) noexcept;
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    explicit operator bool() const { return context_ != nullptr; }

private:
    void release();

    ALCcontext* context_ = nullptr;
};

}  // namespace brindlemoor::audio
