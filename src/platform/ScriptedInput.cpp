#include "platform/ScriptedInput.h"

namespace brindlemoor::platform {

namespace {
char letterOf(int key) { return key >= 'A' && key <= 'Z' ? static_cast<char>(key) : 0; }
}  // namespace

void ScriptedKeyboard::press(int key) { latch_.press(key, letterOf(key), clock_.now()); }

void ScriptedKeyboard::release(int key) { latch_.release(key, clock_.now()); }

void ScriptedKeyboard::tap(int key) {
    press(key);
    release(key);
}

void ScriptedKeyboard::focus(bool gained) { latch_.focus(gained, clock_.now()); }

void ScriptedKeyboard::replay(const KeyEvent& event) {
    if (event.key == key::Focus) {
        latch_.focus(event.pressed, event.time);
    } else if (event.pressed) {
        latch_.press(event.key, event.letter, event.time, event.timeKnown);
    } else {
        latch_.release(event.key, event.time);
    }
}

void ScriptedKeyboard::releaseAll() {
    for (int key = 0; key < key::Count; ++key) {
        release(key);
    }
}

void ManualClock::sleep(double seconds) {
    if (seconds > 0.0) {
        time_ += seconds;
        slept_ += seconds;
    }
}

}  // namespace brindlemoor::platform
