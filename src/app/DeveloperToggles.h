// The function keys: frame counter, wireframe, texture filtering, god mode,
// the short far plane, transparency and the depth shots of the window and of
// the shadow map. A handled key pauses the game for 0.2 s, so a held key acts
// at most five times a second.
#pragma once

#include "platform/KeyLatch.h"

namespace brindlemoor::app {

class Session;

void handleFunctionKeys(Session& session, const platform::InputFrame& input);

}  // namespace brindlemoor::app
