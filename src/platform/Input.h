// The two seams between the game and the window system: a keyboard and a clock.
// The game uses GLFW's; tests, the benchmark and replays install scripted ones
// so that whole games run at a fixed frame rate without waiting.
#pragma once

#include "platform/KeyLatch.h"

namespace brindlemoor::platform {

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // The key events since the last take, in order, and the keys down now.
    virtual InputFrame take() = 0;
    // Down now, or pressed since the last take.
    virtual bool held(int key) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() = 0;               // seconds
    virtual void sleep(double seconds) = 0; // blocks (or pretends to)
};

}  // namespace brindlemoor::platform
