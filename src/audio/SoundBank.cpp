#include "audio/SoundBank.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "audio/SoundFile.h"

namespace brindlemoor::audio {

namespace {

// The replacements first, so that a player's file wins over ours.
std::string pickFile(const PathResolver& resolve, const std::string& wavPath) {
    const std::string stem = wavPath.substr(0, wavPath.size() - 4);
    for (const char* extension : {".ogg", ".flac"}) {
        const std::string candidate = resolve(stem + extension);
        std::error_code error;
        if (std::filesystem::exists(candidate, error)) return candidate;
    }
    return resolve(wavPath);
}

}  // namespace

void SoundBank::load(const PathResolver& resolve) {
    for (std::size_t i = 0; i < kSoundCount; ++i) {
        const std::string path = pickFile(resolve, soundPath(static_cast<Sound>(i)));
        PcmSound pcm;
        switch (readSoundFile(path, pcm)) {
            case ReadStatus::Missing: std::cout << "Sound missing: " << path << std::endl; break;
            case ReadStatus::Unreadable: std::cout << "Sound unreadable: " << path << std::endl; break;
            case ReadStatus::Ok:
                buffers_[i] = uploadBuffer(pcm.samples, pcm.sampleRate);
                if (!buffers_[i]) std::cout << "Sound unreadable: " << path << std::endl;
                break;
        }
    }
}

}  // namespace brindlemoor::audio
