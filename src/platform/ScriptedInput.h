// A keyboard driven by code and a clock that only moves when told to, for tests
// and the benchmark.
#pragma once

#include <array>

#include "platform/Input.h"
#include "platform/Keys.h"

namespace brindlemoor::platform {

class ScriptedKeyboard : public Keyboard {
public:
    bool isPressed(int key) override;

    void press(int key);    // held until release()
    void release(int key);
    void tap(int key);      // pressed and released before the next frame: seen once
    void releaseAll();

private:
    std::array<bool, key::Count> down_{};
    std::array<bool, key::Count> tapped_{};
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
