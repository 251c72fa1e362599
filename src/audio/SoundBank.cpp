#include "audio/SoundBank.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "audio/SoundFile.h"

namespace brindlemoor::audio {

namespace {

// The replacements first, so that a player's file wins over ours.
std::string pickFile(const io::DataFolder& data, const std::string& wavPath) {
    const std::string stem = wavPath.substr(0, wavPath.size() - 4);
    for (const char* extension : {".ogg", ".flac"}) {
        const std::string candidate = data.path(stem + extension);
        std::error_code error;
        if (std::filesystem::exists(candidate, error)) return candidate;
    }
    return data.path(wavPath);
}

}  // namespace

void SoundBank::load(const io::DataFolder& data, io::Output& out) {
    for (std::size_t i = 0; i < kSoundCount; ++i) {
        const std::string path = pickFile(data, soundPath(static_cast<Sound>(i)));
        const io::Result<PcmSound> pcm = readSoundFile(path);
        if (pcm) {
            buffers_[i] = uploadBuffer(pcm->samples, pcm->sampleRate);
        }
        if (!pcm || !buffers_[i]) {
            out.line("Sound ", pcm ? "unreadable" : pcm.reason(), ": ", path);
        }
    }
}

}  // namespace brindlemoor::audio
