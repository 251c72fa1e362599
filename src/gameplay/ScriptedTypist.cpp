#include "gameplay/ScriptedTypist.h"

#include "gameplay/WordState.h"

namespace brindlemoor::gameplay {

void ScriptedTypist::act(platform::ScriptedKeyboard& keyboard) {
    if (++frame_ % every_ != 0) {
        return;
    }
    const std::size_t next = static_cast<std::size_t>(wordState.typedCount) + wordState.pressedLetters.size();
    if (next < wordState.currentWord.size()) {
        keyboard.tap(wordState.currentWord[next]);
    }
}

}  // namespace brindlemoor::gameplay
