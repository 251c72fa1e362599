#include "audio/AlDevice.h"

#include <cstdlib>
#include <utility>

#include <AL/alext.h>

#include "io/SilencedStderr.h"

namespace brindlemoor::audio {

namespace {

// The loopback entry points come through alcGetProcAddress, as the
// extension asks.
LPALCLOOPBACKOPENDEVICESOFT loopbackOpen() {
    if (alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") == ALC_FALSE) return nullptr;
    return reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
}

LPALCRENDERSAMPLESSOFT renderSamples() {
    return reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
}

}  // namespace

// ---- Device

Device::~Device() {
    if (device_ != nullptr) alcCloseDevice(device_);
}

Device::Device(Device&& other) noexcept
    : device_(std::exchange(other.device_, nullptr)), loopbackRate_(other.loopbackRate_) {}

Device& Device::operator=(Device&& other) noexcept {
    if (this != &other) {
        if (device_ != nullptr) alcCloseDevice(device_);
        device_ = std::exchange(other.device_, nullptr);
        loopbackRate_ = other.loopbackRate_;
    }
    return *this;
}

Device Device::openDefault() {
    // Without a sound card the back ends explain at length on standard error;
    // the game says it in one line. ALSOFT_LOGLEVEL set: the player wants to see them.
    if (std::getenv("ALSOFT_LOGLEVEL") != nullptr) return Device(alcOpenDevice(nullptr), 0);
    io::SilencedStderr quiet;
    return Device(alcOpenDevice(nullptr), 0);
}

Device Device::openLoopback(int sampleRate) {
    LPALCLOOPBACKOPENDEVICESOFT open = loopbackOpen();
    if (open == nullptr || sampleRate <= 0) return Device();
    ALCdevice* device = open(nullptr);
    return device != nullptr ? Device(device, sampleRate) : Device();
}

std::vector<std::int16_t> Device::render(int frames) const {
    LPALCRENDERSAMPLESSOFT renderFn = loopbackRate_ > 0 && device_ != nullptr ? renderSamples() : nullptr;
    if (renderFn == nullptr || frames <= 0) return {};
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * 2);
    renderFn(device_, out.data(), frames);
    return out;
}

// ---- Context

Context::Context(const Device& device) {
    if (!device) return;
    const ALCint loopback[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_SHORT_SOFT,
                               ALC_FREQUENCY, device.loopbackRate(), 0};
    context_ = alcCreateContext(device.get(), device.loopbackRate() > 0 ? loopback : nullptr);
    if (context_ != nullptr && alcMakeContextCurrent(context_) == ALC_FALSE) release();
}

Context::~Context() { release(); }

Context::Context(Context&& other) noexcept : context_(std::exchange(other.context_, nullptr)) {}

Context& Context::operator=(Context&& other) noexcept {
    if (this != &other) {
        release();
        context_ = std::exchange(other.context_, nullptr);
    }
    return *this;
}

void Context::release() {
    if (context_ == nullptr) return;
    if (alcGetCurrentContext() == context_) alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    context_ = nullptr;
}

}  // namespace brindlemoor::audio
