// A typist made of code, for tests and the benchmark: every few frames it
// presses the next letter of the word on the board, so whole games can be
// played without a person.
#pragma once

#include "platform/ScriptedInput.h"

namespace brindlemoor::gameplay {

class ScriptedTypist {
public:
    explicit ScriptedTypist(int framesPerLetter) : every_(framesPerLetter > 0 ? framesPerLetter : 1) {}
    // Called once a frame, before the frame runs.
    void act(platform::ScriptedKeyboard& keyboard);

private:
    int every_;
    int frame_ = 0;
};

}  // namespace brindlemoor::gameplay
