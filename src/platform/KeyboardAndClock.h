// The keyboard and clock a session plays with: GLFW's unless a scripted pair
// is installed, and how long the game has stood still on purpose.
#pragma once

#include "platform/GlfwInput.h"

namespace brindlemoor::platform {

class KeyboardAndClock {
public:
    KeyboardAndClock() = default;
    // The pointers may point into the object itself: it stays where it is.
    KeyboardAndClock(const KeyboardAndClock&) = delete;
    KeyboardAndClock& operator=(const KeyboardAndClock&) = delete;

    // Installs a replacement; nullptr goes back to GLFW's. The caller keeps
    // ownership and must outlive its use.
    void useKeyboard(Keyboard* keyboard) { keyboard_ = keyboard != nullptr ? keyboard : &glfwKeyboard_; }
    void useClock(Clock* clock) { clock_ = clock != nullptr ? clock : &glfwClock_; }

    Keyboard& keyboard() { return *keyboard_; }  // the one in use now
    InputFrame takeInput() { return keyboard_->take(); }
    bool keyHeld(int key) { return keyboard_->held(key); }
    double now() { return clock_->now(); }
    void sleep(double seconds) {
        clock_->sleep(seconds);
        if (seconds > 0.0) {
            slept_ += seconds;
        }
    }
    // Every second slept so far: time the game stood still on purpose, which
    // its motion must not make up for.
    double slept() const { return slept_; }

private:
    GlfwKeyboard glfwKeyboard_;
    GlfwClock glfwClock_;
    Keyboard* keyboard_ = &glfwKeyboard_;
    Clock* clock_ = &glfwClock_;
    double slept_ = 0.0;
};

}  // namespace brindlemoor::platform
