// The boy's own moves in a frame: walking on by himself, a step sideways on
// the arrow keys, and in god mode free movement on Up and Down. None of it
// while a corner or stairs walk carries him.
#pragma once

#include "gameplay/Play.h"
#include "platform/KeyLatch.h"
#include "scene/TypeCode.h"

namespace brindlemoor::gameplay {

// `dt` is the frame's motion time; `blocked` the type code the previous
// frame's collision test reported (a wall on that side blocks that side).
void moveByKeys(const platform::InputFrame& input, float dt, scene::TypeCode blocked, Play& play);

}  // namespace brindlemoor::gameplay
