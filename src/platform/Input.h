// The two seams between the game and the window system: a keyboard and a clock.
// The game uses the GLFW-backed ones; tests and the benchmark install scripted
// ones so that whole games run at a fixed frame rate without waiting.
#pragma once

namespace brindlemoor::platform {

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // True when the key is down now, or was pressed since it was last asked
    // about (a tap between two frames is still seen once).
    virtual bool isPressed(int key) = 0;
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
int getKey(int key);  // 1 pressed, 0 released (see Keyboard::isPressed)
double getTime();
void sleep(double seconds);

}  // namespace brindlemoor::platform
