// The rules of the word game and of the pieces the boy runs into: what a
// letter, a completed word, the final board and a collision do to the game.
// Each returns what happened as events, in the order it happened.
#pragma once

#include "gameplay/GameEvents.h"
#include "gameplay/Play.h"
#include "scene/TypeCode.h"

namespace brindlemoor::gameplay {

// How long the game stands still after a bump and after stairs up, and
// around the start of a new game.
constexpr double kBumpPause = 1.0;
constexpr double kStairsUpPause = 1.0;
constexpr double kBeforeNewGamePause = 2.0;
constexpr double kAfterEndGamePause = 1.0;

// One letter, pressed at `time` (`timed` false when that is not known): right
// or wrong; the last letter of the word
// sets the boy walking and, unless the last word is done already, puts the
// next word on the next board (the finished board lifted), or the score on
// the final board.
void takeLetter(char letter, double time, bool timed, Play& play, GameEvents& events);

// The frame's collision with the piece `object` of type `code` (None for no
// collision): a bump into a board, the next game at the final board, stairs
// up, or the start of a walk through a corner or down stairs.
void reactToCollision(scene::TypeCode code, const scene::Placement* object, Play& play, GameEvents& events);

}  // namespace brindlemoor::gameplay
