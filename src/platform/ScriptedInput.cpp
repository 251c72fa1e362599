#include "platform/ScriptedInput.h"

namespace brindlemoor::platform {

namespace {
bool valid(int key) { return key >= 0 && key < key::Count; }
}  // namespace

bool ScriptedKeyboard::isPressed(int key) {
    if (!valid(key)) {
        return false;
    }
    if (down_[key]) {
        tapped_[key] = false;
        return true;
    }
    if (tapped_[key]) {
        tapped_[key] = false;
        return true;
    }
    return false;
}

void ScriptedKeyboard::press(int key) {
    if (valid(key)) {
        down_[key] = true;
    }
}

void ScriptedKeyboard::release(int key) {
    if (valid(key)) {
        down_[key] = false;
    }
}

void ScriptedKeyboard::tap(int key) {
    if (valid(key)) {
        tapped_[key] = true;
    }
}

void ScriptedKeyboard::releaseAll() {
    down_.fill(false);
    tapped_.fill(false);
}

void ManualClock::sleep(double seconds) {
    if (seconds > 0.0) {
        time_ += seconds;
        slept_ += seconds;
    }
}

}  // namespace brindlemoor::platform
