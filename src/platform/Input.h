// The two seams between the game and the window system: a keyboard and a clock.
// The game uses the GLFW-backed ones; tests and the benchmark install scripted
// ones so that whole games run at a fixed frame rate without waiting.
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

// Installs a replacement; nullptr goes back to the GLFW keyboard and clock.
// The caller keeps ownership and must outlive its use.
void setKeyboard(Keyboard* keyboard);
void setClock(Clock* clock);

// The calls the game makes.
InputFrame takeInput();
bool keyHeld(int key);
double getTime();
void sleep(double seconds);
// Every second slept through sleep() so far: time the game stood still on
// purpose, which its motion must not make up for.
double sleptSeconds();

}  // namespace brindlemoor::platform
