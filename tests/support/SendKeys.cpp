// send_keys WINDOW KEY...: presses and releases each key (an X key name such
// as "c", "F1" or "Escape") in that one window, in order.
//
// xdotool sends to a window by the XTEST extension whenever that window has
// the focus, and those presses go to whichever window has the focus when the
// server takes them: a game another test has just opened, which then quits on
// an Escape that was not its own. Events sent straight to the window reach it
// and nothing else, focused or not.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

int main(int argc, char** argv) {
    Display* display = argc > 2 ? XOpenDisplay(nullptr) : nullptr;
    if (display == nullptr) {
        std::fputs("usage: send_keys WINDOW KEY... (with a display)\n", stderr);
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    int status = 0;
    for (int i = 2; i < argc; ++i) {
        const KeySym symbol = XStringToKeysym(argv[i]);
        const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
        if (code == 0) {
            std::fprintf(stderr, "send_keys: no key named %s\n", argv[i]);
            status = 2;
            continue;
        }
        XKeyEvent key{};
        key.display = display;
        key.window = window;
        key.root = DefaultRootWindow(display);
        key.time = CurrentTime;
        key.same_screen = True;
        key.keycode = code;
        for (const int type : {KeyPress, KeyRelease}) {
            key.type = type;
            if (XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
                           reinterpret_cast<XEvent*>(&key)) == 0) {
                status = 1;
            }
        }
        XSync(display, False);
    }
    XCloseDisplay(display);
    return status;
}
