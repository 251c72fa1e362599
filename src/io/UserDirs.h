// The player's own folders, as the XDG base directory rules name them: where
// settings are looked for and where the game keeps what it writes for later.
#pragma once

#include <string>

namespace brindlemoor::io {

// $XDG_CONFIG_HOME, else ~/.config. Relative values are ignored, as the rules
// say; empty when not even the home folder is known.
std::string configHome();

// $XDG_DATA_HOME, else ~/.local/share; the same rules.
std::string dataHome();

}  // namespace brindlemoor::io
