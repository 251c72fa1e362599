#include "platform/Window.h"

#include <cctype>
#include <chrono>
#include <thread>
#include <map>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "platform/GlfwInput.h"
#include "platform/Keys.h"

namespace brindlemoor::platform {

static_assert(hint::FsaaSamples == GLFW_SAMPLES);
static_assert(hint::OpenglVersionMajor == GLFW_CONTEXT_VERSION_MAJOR);
static_assert(hint::OpenglVersionMinor == GLFW_CONTEXT_VERSION_MINOR);
static_assert(hint::OpenglProfile == GLFW_OPENGL_PROFILE);
static_assert(hint::Visible == GLFW_VISIBLE);
static_assert(hint::DebugContext == GLFW_OPENGL_DEBUG_CONTEXT);
static_assert(hint::OpenglCoreProfile == GLFW_OPENGL_CORE_PROFILE);
static_assert(key::Escape == GLFW_KEY_ESCAPE && key::Left == GLFW_KEY_LEFT && key::Right == GLFW_KEY_RIGHT);
static_assert(key::Up == GLFW_KEY_UP && key::Down == GLFW_KEY_DOWN);
static_assert(key::F1 == GLFW_KEY_F1 && key::F12 == GLFW_KEY_F12 && key::Count == GLFW_KEY_LAST + 1);

namespace {

// The one window and what its callbacks gather. GLFW calls back with nothing
// of ours but the window, and the classic calls the game makes name no window
// at all, so this record is the one place the window system reaches.
struct WindowSystem {
    GLFWwindow* window = nullptr;
    // Keys are tracked from GLFW's key events rather than polled, so that
    // letters can be named by the character they type and come in the order
    // pressed, each with the time it went down.
    KeyLatch keys;
    std::map<int, int> letterOfScancode;  // the letter a held key reported on press
    // When the game last asked for events, and whether the events it gets now
    // can be trusted to carry their press time (see pollEvents).
    double lastPoll = 0.0;
    bool timesKnown = true;
};
WindowSystem windowSystem;

void onKey(GLFWwindow*, int glfwKey, int scancode, int action, int) {
    if (action == GLFW_REPEAT) {
        return;
    }
    const bool pressed = action == GLFW_PRESS;
    int letter = 0;
    if (pressed) {
        letter = letterFromKeyName(glfwGetKeyName(glfwKey, scancode), glfwKey);
        if (letter != 0) {
            windowSystem.letterOfScancode[scancode] = letter;
        }
    } else {
        auto found = windowSystem.letterOfScancode.find(scancode);
        if (found != windowSystem.letterOfScancode.end()) {
            letter = found->second;
            windowSystem.letterOfScancode.erase(found);
        }
    }
    const int code = letter != 0 ? letter : glfwKey;
    if (letter == 0 && glfwKey < 256) {
        return;  // printable keys other than letters mean nothing to the game
    }
    if (pressed) {
        windowSystem.keys.press(code, static_cast<char>(letter), glfwGetTime(), windowSystem.timesKnown);
    } else {
        windowSystem.keys.release(code, glfwGetTime());
    }
}

void onFocus(GLFWwindow*, int focused) { windowSystem.keys.focus(focused == GLFW_TRUE, glfwGetTime()); }

void clearKeys() {
    windowSystem.keys.clear();
    windowSystem.letterOfScancode.clear();
}

}  // namespace

int letterFromKeyName(const char* layoutName, int glfwKey) {
    if (layoutName != nullptr && layoutName[0] != '\0' && layoutName[1] == '\0') {
        const int c = std::toupper(static_cast<unsigned char>(layoutName[0]));
        return (c >= 'A' && c <= 'Z') ? c : 0;
    }
    if (layoutName == nullptr && glfwKey >= 'A' && glfwKey <= 'Z') {
        return glfwKey;  // no layout information: fall back to the key's US position
    }
    return 0;
}

InputFrame GlfwKeyboard::take() { return windowSystem.keys.take(); }
bool GlfwKeyboard::held(int code) { return windowSystem.keys.held(code); }

double GlfwClock::now() { return glfwGetTime(); }

void GlfwClock::sleep(double seconds) {
    if (seconds <= 0.0) {
        return;
    }
    if (windowSystem.window == nullptr) {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        return;
    }
    pollEvents();
    const double until = glfwGetTime() + seconds;
    // Woken by each event as it comes, so every one is taken at its time.
    windowSystem.timesKnown = true;
    for (double left = until - glfwGetTime(); left > 0.0; left = until - glfwGetTime()) {
        glfwWaitEventsTimeout(left);
    }
    windowSystem.lastPoll = glfwGetTime();
}

void pollEvents() {
    // An event is stamped when it is handed over, somewhere after the key
    // went down and before now: it is known within the time since the last
    // poll. The frame loop polls often enough for that to be a few
    // milliseconds; after a longer gap the press time is unknown.
    const double now = glfwGetTime();
    windowSystem.timesKnown = now - windowSystem.lastPoll <= kPressTimeTolerance;
    glfwPollEvents();
    windowSystem.lastPoll = now;
}

int init() { return glfwInit() == GLFW_TRUE ? 1 : 0; }

void terminate() {
    if (windowSystem.window != nullptr) {
        glfwDestroyWindow(windowSystem.window);
        windowSystem.window = nullptr;
    }
    clearKeys();
    glfwTerminate();
}

void openWindowHint(int target, int value) { glfwWindowHint(target, value); }

void resolveWindowSize(int& width, int& height) {
    if (width <= 0 && height <= 0) {
        width = 640;
        height = 480;
    } else if (width <= 0) {
        width = (height * 4) / 3;
    } else if (height <= 0) {
        height = (width * 3) / 4;
    }
}

int openWindow(int width, int height, int redBits, int greenBits, int blueBits, int alphaBits,
               int depthBits, int stencilBits, WindowMode mode) {
    if (windowSystem.window != nullptr) {
        return 0;  // one window per process
    }
    resolveWindowSize(width, height);
    glfwWindowHint(GLFW_RED_BITS, redBits > 0 ? redBits : GLFW_DONT_CARE);
    glfwWindowHint(GLFW_GREEN_BITS, greenBits > 0 ? greenBits : GLFW_DONT_CARE);
    glfwWindowHint(GLFW_BLUE_BITS, blueBits > 0 ? blueBits : GLFW_DONT_CARE);
    glfwWindowHint(GLFW_ALPHA_BITS, alphaBits > 0 ? alphaBits : GLFW_DONT_CARE);
    glfwWindowHint(GLFW_DEPTH_BITS, depthBits);
    glfwWindowHint(GLFW_STENCIL_BITS, stencilBits);
    // The frame loop follows the framebuffer's size, so the window may change it.
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    GLFWmonitor* monitor = mode == WindowMode::Fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    windowSystem.window = glfwCreateWindow(width, height, "", monitor, nullptr);
    if (windowSystem.window == nullptr) {
        return 0;
    }
    glfwMakeContextCurrent(windowSystem.window);
    clearKeys();
    glfwSetKeyCallback(windowSystem.window, onKey);
    glfwSetWindowFocusCallback(windowSystem.window, onFocus);
    return 1;
}

void setWindowTitle(const std::string& title) {
    if (windowSystem.window != nullptr) {
        glfwSetWindowTitle(windowSystem.window, title.c_str());
    }
}

void swapBuffers() {
    if (windowSystem.window != nullptr) {
        glfwSwapBuffers(windowSystem.window);
    }
    pollEvents();
}

bool windowOpened() { return windowSystem.window != nullptr && !glfwWindowShouldClose(windowSystem.window); }

void framebufferSize(int& width, int& height) {
    width = 0;
    height = 0;
    if (windowSystem.window != nullptr) {
        glfwGetFramebufferSize(windowSystem.window, &width, &height);
    }
}

void setWindowSize(int width, int height) {
    if (windowSystem.window != nullptr) {
        glfwSetWindowSize(windowSystem.window, width, height);
        pollEvents();
    }
}

ProcAddress getProcAddress(const char* name) { return glfwGetProcAddress(name); }

}  // namespace brindlemoor::platform
