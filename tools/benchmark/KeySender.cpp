#include "KeySender.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>

#include <chrono>
#include <random>
#include <thread>

namespace brindlemoor::bench {

KeySender::KeySender(int presses) : presses_(presses), window_(glfwGetX11Window(glfwGetCurrentContext())) {}

void KeySender::run() {
    const ::Window window = window_;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr || window == 0) {
        done_ = true;
        return;
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> gap(40, 240);
    XKeyEvent key{};
    key.display = display;
    key.window = window;
    key.root = DefaultRootWindow(display);
    key.same_screen = True;
    key.keycode = XKeysymToKeycode(display, XK_a);
    for (int i = 0; i < presses_; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(gap(random)));
        for (const int type : {KeyPress, KeyRelease}) {
            key.type = type;
            XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
                       reinterpret_cast<XEvent*>(&key));
        }
        const double sent = glfwGetTime();
        XFlush(display);
        std::lock_guard<std::mutex> lock(mutex_);
        sentTimes_.push_back(sent);
    }
    XCloseDisplay(display);
    done_ = true;
}

bool KeySender::takeOldest(double& time) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (sentTimes_.empty()) return false;
    time = sentTimes_.front();
    sentTimes_.pop_front();
    return true;
}

}  // namespace brindlemoor::bench
