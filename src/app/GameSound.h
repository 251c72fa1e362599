// The game's sound for the whole session, opened once the window is up.
#pragma once

#include "audio/SoundSystem.h"

namespace brindlemoor::app {

// The sound of the session (silent until opened, and when sound is off or
// there is no device).
audio::SoundSystem& gameSound();
// Opens it from the `sound` and `volume` settings; the sound files are found
// in the data folder.
void openGameSound();

}  // namespace brindlemoor::app
