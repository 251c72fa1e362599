// The window system's keyboard and clock: a latch fed by GLFW's key and focus
// events (see Window.cpp), and GLFW's timer.
#pragma once

#include "platform/Input.h"

namespace brindlemoor::platform {

class GlfwKeyboard : public Keyboard {
public:
    InputFrame take() override;
    bool held(int key) override;
};

class GlfwClock : public Clock {
public:
    double now() override;
    // Waits, handling the window's events meanwhile, so every key pressed
    // during the wait is taken with the time it went down (the game takes the
    // letters after the wait, in the order they were pressed).
    void sleep(double seconds) override;
};

}  // namespace brindlemoor::platform
