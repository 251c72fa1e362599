// The game's sound: what it calls at start-up, every frame and when things
// happen. Every call is safe without a device (or with sound switched off):
// it then does nothing. Loading happens only in open(); play() never blocks
// (fire and forget over a fixed pool of sources).
//
//   audio::SoundSystem sound;
//   sound.open(settings, dataFolder, out);
//   each frame, after the view matrix:  sound.setListener(eye, centre, up);
//   when a foot of the boy lands:       sound.play(audio::Sound::Footstep, boyPosition);
//   on events:                          sound.play(audio::Sound::ChalkTap, boardPosition);
//   with the game's pause:              sound.setPaused(paused);
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <glm/vec3.hpp>

#include "audio/AudioSettings.h"
#include "audio/Sound.h"
#include "io/DataFolder.h"
#include "io/Output.h"

namespace brindlemoor::audio {

// Sources in the pool: more than the sounds that can overlap in a fast word.
constexpr std::size_t kVoices = 16;

class SoundSystem {
public:
    SoundSystem();
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Opens the default device and reads every sound. Without a device it
    // prints "Sound off: no audio device" and stays silent; with sound
    // switched off it opens nothing and prints nothing. A missing or
    // unreadable sound file prints one line naming it and that sound stays
    // silent. Opening again closes what was open first.
    void open(const AudioSettings& settings, const io::DataFolder& data, io::Output& out);
    // The same on a loopback device that plays nowhere and mixes on demand
    // through renderLoopback (tests).
    void openLoopback(const AudioSettings& settings, const io::DataFolder& data, io::Output& out,
                      int sampleRate = 44100);
    // The next `frames` stereo frames of a loopback device, left and right
    // interleaved; empty otherwise.
    std::vector<std::int16_t> renderLoopback(int frames);
    void close();

    // The listener is the camera: eye position, the point it looks at, up.
    void setListener(const glm::vec3& eye, const glm::vec3& centre, const glm::vec3& up);
    // Starts a sound at a place in the world. The chalk tap varies a little in
    // pitch and loudness each time; footsteps alternate feet. Dropped while paused.
    void play(Sound sound, const glm::vec3& where);
    // Pauses every playing sound, or resumes them.
    void setPaused(bool paused);

    // True while a device is open.
    bool active() const { return impl_ != nullptr; }

private:
    struct Impl;
    // loopbackRate 0: the default device.
    void start(const AudioSettings& settings, const io::DataFolder& data, io::Output& out, int loopbackRate);

    std::unique_ptr<Impl> impl_;
    bool paused_ = false;
};

}  // namespace brindlemoor::audio
