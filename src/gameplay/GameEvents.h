// What happened in the game, as the rules report it: the session turns these
// into sound and statistics (and, for a new game due, the restart), so the
// rules themselves know nothing of either.
#pragma once

#include <vector>

#include <glm/vec3.hpp>

namespace brindlemoor::gameplay {

enum class GameEventKind {
    LetterRight,   // a letter that was the word's next one (the last one too)
    LetterWrong,   // a mistake: the word starts over
    WordComplete,  // the word's last letter
    NextWord,      // the next word is on the next board
    BoardLifted,   // the finished board rose out of the way
    FinalBoard,    // the last word is done: the final board shows the score
    Bumped,        // the boy walked into a board before its word was typed
    StairsUp,      // he went up one storey
    NewGameDue,    // he walked into the final board: the next game starts
};

struct GameEvent {
    GameEventKind kind;
    glm::vec3 where{0.0f};  // where it happens (its sound comes from there)
    double time = 0.0;      // letters: when the key went down, on the game clock
    bool timed = true;      // letters: false when that time is not known
    char expected = 0;      // letters: the word's next letter (0 past its end)
    char typed = 0;         // letters: the letter typed
    bool inPlay = true;     // letters: typed before the last word was done
    double pause = 0.0;     // seconds the game stands still after it
};

using GameEvents = std::vector<GameEvent>;

}  // namespace brindlemoor::gameplay
