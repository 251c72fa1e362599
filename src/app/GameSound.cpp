#include "app/GameSound.h"

#include "app/Config.h"
#include "io/DataPaths.h"

namespace brindlemoor::app {

audio::SoundSystem& gameSound() {
    static audio::SoundSystem sound;
    return sound;
}

void openGameSound() {
    const AddedSettings& settings = addedSettings();
    gameSound().open(audio::AudioSettings{settings.sound, static_cast<int>(settings.volume)},
                     [](const std::string& path) { return io::dataPath(path); });
}

}  // namespace brindlemoor::app
