// What the frame loop does with the piece the player ran into.
#pragma once

namespace brindlemoor::app {

// Reacts to the frame's collision. Returns false when the reaction started a
// new game, in which case the rest of the frame is skipped.
bool reactToCollision();

}  // namespace brindlemoor::app
