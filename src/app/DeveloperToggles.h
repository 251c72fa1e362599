// The function keys: frame counter, wireframe, texture filtering, god mode,
// the short far plane, transparency and the depth shot. A handled key pauses
// the game for 0.2 s, so a held key acts at most five times a second.
#pragma once

namespace brindlemoor::app {

void handleFunctionKeys();

}  // namespace brindlemoor::app
