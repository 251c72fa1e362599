#include "platform/KeyLatch.h"

namespace brindlemoor::platform {

namespace {
bool valid(int key) { return key >= 0 && key < key::Count; }
}  // namespace

bool InputFrame::held(int key) const { return valid(key) && (down[key] || pressed[key]); }

std::vector<char> InputFrame::letters() const {
    std::vector<char> result;
    for (const KeyEvent& event : events) {
        if (event.pressed && event.letter != 0) {
            result.push_back(event.letter);
        }
    }
    return result;
}

int InputFrame::focusChange() const {
    int change = 0;
    for (const KeyEvent& event : events) {
        if (event.key == key::Focus) {
            change = event.pressed ? 1 : -1;
        }
    }
    return change;
}

void KeyLatch::press(int key, char letter, double time, bool timeKnown) {
    if (!valid(key) || down_[key]) {
        return;
    }
    down_[key] = true;
    pressed_[key] = true;
    events_.push_back({key, true, letter, time, timeKnown});
}

void KeyLatch::release(int key, double time) {
    if (!valid(key) || !down_[key]) {
        return;
    }
    down_[key] = false;
    const char letter = key >= 'A' && key <= 'Z' ? static_cast<char>(key) : 0;
    events_.push_back({key, false, letter, time, true});
}

void KeyLatch::focus(bool gained, double time) { events_.push_back({key::Focus, gained, 0, time, true}); }

InputFrame KeyLatch::take() {
    InputFrame frame;
    frame.events.swap(events_);
    frame.down = down_;
    frame.pressed = pressed_;
    pressed_.reset();
    return frame;
}

bool KeyLatch::held(int key) const { return valid(key) && (down_[key] || pressed_[key]); }

void KeyLatch::clear() {
    down_.reset();
    pressed_.reset();
    events_.clear();
}

}  // namespace brindlemoor::platform
