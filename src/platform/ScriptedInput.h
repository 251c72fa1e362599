// A keyboard driven by code and a clock that only moves when told to, for tests
// and the benchmark.
#pragma once

#include "platform/Input.h"
#include "platform/KeyLatch.h"

namespace brindlemoor::platform {

class ScriptedKeyboard : public Keyboard {
public:
    // Events happen at `clock`'s time.
    explicit ScriptedKeyboard(Clock& clock) : clock_(clock) {}
    InputFrame take() override { return latch_.take(); }
    bool held(int key) override { return latch_.held(key); }

    // Letters 'A'..'Z' type themselves.
    void press(int key);    // held until release()
    void release(int key);
    void tap(int key);      // pressed and released before the next frame: seen once
    void focus(bool gained);
    void releaseAll();
    // An event as a recording kept it, at its own time.
    void replay(const KeyEvent& event);

private:
    Clock& clock_;
    KeyLatch latch_;
};

class ManualClock : public Clock {
public:
    explicit ManualClock(double start = 0.0) : time_(start) {}
    double now() override { return time_; }
    void sleep(double seconds) override;  // advances the time, returns at once
    void advance(double seconds) { time_ += seconds; }
    double slept() const { return slept_; }  // total of all sleeps so far

private:
    double time_;
    double slept_ = 0.0;
};

}  // namespace brindlemoor::platform
