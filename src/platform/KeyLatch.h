// Key events collected between two frames, and the frame's view of them. The
// window system's keyboard and the scripted one both feed a latch; the frame
// loop takes one InputFrame a frame, so letters come in the order they were
// pressed however slow the frame, and a tap between two frames is still seen.
#pragma once

#include <bitset>
#include <vector>

#include "platform/Keys.h"

namespace brindlemoor::platform {

// One event: a key going down or up, or the window gaining or losing focus
// (key::Focus, `pressed` true when gained). `letter` is the letter 'A'..'Z' the
// key types on the player's layout (then `key` is that letter too), else 0.
struct KeyEvent {
    int key = 0;
    bool pressed = false;
    char letter = 0;
    double time = 0.0;  // seconds on the game clock
    // False when the window system handed the event over so long after the
    // game last asked that `time` may be well after the key went down (a
    // frame or a set-up that stalled); such a letter gets no time.
    bool timeKnown = true;
};

struct InputFrame {
    std::vector<KeyEvent> events;     // in the order they happened
    std::bitset<key::Count> down;     // held when the frame was taken
    std::bitset<key::Count> pressed;  // went down since the previous frame

    // Down now or pressed since the previous frame: what a held-key test sees.
    bool held(int key) const;
    // The letters pressed, in order (key repeat never adds one).
    std::vector<char> letters() const;
    // The last focus change of the frame: 1 gained, -1 lost, 0 none.
    int focusChange() const;
};

class KeyLatch {
public:
    // A press of a key already down (key repeat) is ignored.
    void press(int key, char letter, double time, bool timeKnown = true);
    void release(int key, double time);
    void focus(bool gained, double time);
    // The events since the last take, and the keys down now.
    InputFrame take();
    // Down now, or pressed since the last take.
    bool held(int key) const;
    void clear();

private:
    std::bitset<key::Count> down_;
    std::bitset<key::Count> pressed_;
    std::vector<KeyEvent> events_;
};

}  // namespace brindlemoor::platform
