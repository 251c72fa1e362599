// The platform layer's classic meanings: letters by the character they type,
// taps between frames seen once, window sizes of 0.
#include <gtest/gtest.h>

#include "platform/Input.h"
#include "platform/Keys.h"
#include "platform/ScriptedInput.h"
#include "platform/Window.h"

namespace {

using namespace brindlemoor::platform;

TEST(Letters, AreNamedByTheCharacterTheKeyTypesOnTheLayout) {
    constexpr int usQ = 'Q';  // the key GLFW names Q types "a" on an AZERTY keyboard
    EXPECT_EQ(letterFromKeyName("a", usQ), 'A');
    EXPECT_EQ(letterFromKeyName("z", 'W'), 'Z');
    EXPECT_EQ(letterFromKeyName("Q", 'A'), 'Q');
    // Without layout information the key's own letter stands.
    EXPECT_EQ(letterFromKeyName(nullptr, 'K'), 'K');
    // Digits, punctuation, accented letters and named keys are not letters.
    EXPECT_EQ(letterFromKeyName("1", '1'), 0);
    EXPECT_EQ(letterFromKeyName(";", 'M'), 0);
    EXPECT_EQ(letterFromKeyName("\xC3\xA9", '2'), 0);
    EXPECT_EQ(letterFromKeyName(nullptr, key::Escape), 0);
    EXPECT_EQ(letterFromKeyName("", 'A'), 0);
}

TEST(ScriptedKeys, ATapIsSeenOnceAndAHeldKeyEveryTime) {
    ScriptedKeyboard keyboard;
    setKeyboard(&keyboard);
    keyboard.tap('C');
    EXPECT_EQ(getKey('C'), 1);
    EXPECT_EQ(getKey('C'), 0);
    keyboard.press(key::Left);
    EXPECT_EQ(getKey(key::Left), 1);
    EXPECT_EQ(getKey(key::Left), 1);
    keyboard.release(key::Left);
    EXPECT_EQ(getKey(key::Left), 0);
    // A tap while held is not seen twice after the release.
    keyboard.press('A');
    keyboard.tap('A');
    EXPECT_EQ(getKey('A'), 1);
    keyboard.release('A');
    EXPECT_EQ(getKey('A'), 0);
    EXPECT_EQ(getKey(-1), 0);
    EXPECT_EQ(getKey(key::Count), 0);
    setKeyboard(nullptr);
}

TEST(ManualTime, SleepsAdvanceTheClockInsteadOfWaiting) {
    ManualClock clock(10.0);
    setClock(&clock);
    sleep(0.2);
    sleep(-1.0);
    EXPECT_DOUBLE_EQ(getTime(), 10.2);
    EXPECT_DOUBLE_EQ(clock.slept(), 0.2);
    setClock(nullptr);
}

TEST(WindowSize, ZerosFollowTheClassicRules) {
    int w = 0, h = 0;
    resolveWindowSize(w, h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    w = 0;
    h = 720;
    resolveWindowSize(w, h);
    EXPECT_EQ(w, 960);
    w = 1280;
    h = 0;
    resolveWindowSize(w, h);
    EXPECT_EQ(h, 960);
    w = 1920;
    h = 1080;
    resolveWindowSize(w, h);
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);
}

}  // namespace
