// A keyboard on another thread: presses the letter A on the game's window at
// random moments (40 to 240 ms apart) through the X server, as a person's
// keyboard would, noting when each went down on GLFW's clock. Kept apart
// from the game's headers, whose names Xlib's macros would clash with.
#pragma once

#include <atomic>
#include <deque>
#include <mutex>

namespace brindlemoor::bench {

class KeySender {
public:
    // The window of the calling thread's current GLFW context.
    explicit KeySender(int presses);
    // Sends the presses (on the sending thread); returns when all are sent.
    void run();
    // The time of the oldest press not yet taken; false when none is waiting.
    bool takeOldest(double& time);
    bool done() const { return done_; }

private:
    int presses_;
    std::mutex mutex_;
    std::deque<double> sentTimes_;
    std::atomic<bool> done_{false};
    unsigned long window_ = 0;
};

}  // namespace brindlemoor::bench
