#include "audio/SoundSystem.h"

#include <algorithm>
#include <utility>

#include <glm/geometric.hpp>

#include "audio/AlDevice.h"
#include "audio/SoundBank.h"
#include "audio/SourcePool.h"
#include "audio/Variation.h"

namespace brindlemoor::audio {

namespace {

// Within the reference distance a sound plays at full loudness; farther away
// it fades gently (half the physical roll-off): the chalk on a board a whole
// stretch ahead must still be heard over the footsteps next to the camera.
constexpr float kReferenceDistance = 8.0f;
constexpr float kRolloff = 0.5f;

}  // namespace

// Members in the order they must be made; they are released in reverse:
// sources and buffers while their context is current, then the context,
// then the device.
struct SoundSystem::Impl {
    Device device;
    Context context;
    SoundBank bank;
    SourcePool pool{0};
    Variation variation{0x5EED};
    unsigned footsteps = 0;  // played so far: the feet alternate
};

SoundSystem::SoundSystem() = default;
SoundSystem::~SoundSystem() = default;

void SoundSystem::open(const AudioSettings& settings, const io::DataFolder& data, io::Output& out) {
    start(settings, data, out, 0);
}

void SoundSystem::openLoopback(const AudioSettings& settings, const io::DataFolder& data, io::Output& out,
                               int sampleRate) {
    start(settings, data, out, std::max(sampleRate, 1));
}

void SoundSystem::start(const AudioSettings& settings, const io::DataFolder& data, io::Output& out, int loopbackRate) {
    close();
    if (!settings.enabled) return;
    auto impl = std::make_unique<Impl>();
    impl->device = loopbackRate > 0 ? Device::openLoopback(loopbackRate) : Device::openDefault();
    impl->context = Context(impl->device);
    if (!impl->context) {
        out.line("Sound off: no audio device");
        return;
    }
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    alListenerf(AL_GAIN, static_cast<float>(std::clamp(settings.volume, 0, 100)) / 100.0f);
    impl->bank.load(data, out);
    impl->pool = SourcePool(kVoices);
    impl_ = std::move(impl);
}

std::vector<std::int16_t> SoundSystem::renderLoopback(int frames) {
    return impl_ ? impl_->device.render(frames) : std::vector<std::int16_t>();
}

void SoundSystem::close() { impl_.reset(); }

void SoundSystem::setListener(const glm::vec3& eye, const glm::vec3& centre, const glm::vec3& up) {
    if (!impl_) return;
    const glm::vec3 at = centre - eye;
    if (glm::dot(at, at) <= 0.0f) return;  // no direction to face
    const float orientation[] = {at.x, at.y, at.z, up.x, up.y, up.z};
    alListener3f(AL_POSITION, eye.x, eye.y, eye.z);
    alListenerfv(AL_ORIENTATION, orientation);
}

void SoundSystem::play(Sound sound, const glm::vec3& where) {
    if (!impl_ || paused_) return;
    const ALuint buffer = impl_->bank.buffer(sound);
    if (buffer == 0) return;  // its file was missing or unreadable
    float pitch = 1.0f;
    float gain = 1.0f;
    if (sound == Sound::ChalkTap) {
        pitch = impl_->variation.next(0.9f, 1.1f);
        gain = impl_->variation.next(0.75f, 1.0f);
    } else if (sound == Sound::Footstep) {
        pitch = impl_->footsteps++ % 2 == 0 ? 1.0f : 0.94f;
        gain = impl_->variation.next(0.8f, 1.0f);
    }
    const ALuint source = impl_->pool.acquire();
    if (source == 0) return;
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSource3f(source, AL_POSITION, where.x, where.y, where.z);
    alSourcef(source, AL_REFERENCE_DISTANCE, kReferenceDistance);
    alSourcef(source, AL_ROLLOFF_FACTOR, kRolloff);
    alSourcef(source, AL_PITCH, pitch);
    alSourcef(source, AL_GAIN, gain);
    alSourcePlay(source);
}

void SoundSystem::setPaused(bool paused) {
    if (impl_ && paused != paused_) {
        if (paused)
            impl_->pool.pauseAll();
        else
            impl_->pool.resumeAll();
    }
    paused_ = paused;
}

}  // namespace brindlemoor::audio
