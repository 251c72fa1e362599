// What the session makes of what happened in the game: sounds from where
// things happen, the statistics, the game's own pauses, the chalk flash of a
// mistake, and the next game when the boy walks into the final board.
#pragma once

namespace brindlemoor::app {

class Session;

// Acts on the rules' events gathered in `session.events` and empties it.
// False when they started a new game (the frame then draws nothing).
bool applyEvents(Session& session);

}  // namespace brindlemoor::app
