#include "platform/Input.h"

#include <chrono>
#include <thread>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "platform/GlfwKeyboard.h"

namespace brindlemoor::platform {

namespace {

class GlfwClock : public Clock {
public:
    double now() override { return glfwGetTime(); }
    void sleep(double seconds) override {
        if (seconds > 0.0) {
            std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        }
    }
};

GlfwKeyboard glfwKeyboard;
GlfwClock glfwClock;
Keyboard* currentKeyboard = &glfwKeyboard;
Clock* currentClock = &glfwClock;
double sleptTotal = 0.0;

}  // namespace

void setKeyboard(Keyboard* keyboard) { currentKeyboard = keyboard != nullptr ? keyboard : &glfwKeyboard; }
void setClock(Clock* clock) { currentClock = clock != nullptr ? clock : &glfwClock; }

InputFrame takeInput() { return currentKeyboard->take(); }
bool keyHeld(int key) { return currentKeyboard->held(key); }
double getTime() { return currentClock->now(); }
void sleep(double seconds) {
    currentClock->sleep(seconds);
    if (seconds > 0.0) {
        sleptTotal += seconds;
    }
}
double sleptSeconds() { return sleptTotal; }

}  // namespace brindlemoor::platform
