// The platform layer: letters by the character they type, key events in the
// order they happened, taps between frames, window sizes of 0, and TGA images
// decoded whole or refused.
#include <gtest/gtest.h>

#include "platform/KeyLatch.h"
#include "platform/ScriptedInput.h"
#include "io/TgaImage.h"
#include "platform/Window.h"

namespace {

using namespace brindlemoor::platform;
using namespace brindlemoor::io;

TEST(Letters, AreNamedByTheCharacterTheKeyTypesOnTheLayout) {
    EXPECT_EQ(letterFromKeyName("a", 'Q'), 'A');  // the key GLFW names Q types "a" on AZERTY
    EXPECT_EQ(letterFromKeyName("Q", 'A'), 'Q');
    EXPECT_EQ(letterFromKeyName(nullptr, 'K'), 'K');  // no layout information: the key's own letter
    for (const char* name : {"1", ";", "\xC3\xA9", ""}) {
        EXPECT_EQ(letterFromKeyName(name, 'M'), 0) << name;
    }
    EXPECT_EQ(letterFromKeyName(nullptr, key::Escape), 0);
}

// (That events keep their order and times, that keys stay held across frames
// and that focus changes are seen shows in every game the tests play with the
// scripted keyboard, which goes through the latch.)
TEST(KeyLatch, KeyRepeatIsIgnoredATapIsSeenOnceAndNoKeyOutsideTheRangeIsHeld) {
    KeyLatch latch;
    latch.press('C', 'C', 1.0);
    latch.press('A', 'A', 1.1);  // C still held: overlapping presses keep their order
    latch.press('C', 'C', 1.2);  // key repeat
    latch.release('C', 1.3);
    const InputFrame frame = latch.take();
    EXPECT_EQ(frame.letters(), (std::vector<char>{'C', 'A'}));
    EXPECT_TRUE(frame.held('C'));  // tapped between two frames: seen once
    EXPECT_FALSE(latch.take().held('C'));
    EXPECT_FALSE(frame.held(-1));
    EXPECT_FALSE(frame.held(key::Count));
}

TEST(WindowSize, ZerosFollowTheClassicRules) {
    const int sizes[][4] = {{0, 0, 640, 480}, {0, 720, 960, 720}, {1280, 0, 1280, 960}, {1920, 1080, 1920, 1080}};
    for (const auto& s : sizes) {
        int w = s[0], h = s[1];
        resolveWindowSize(w, h);
        EXPECT_EQ(w, s[2]);
        EXPECT_EQ(h, s[3]);
    }
}

std::vector<unsigned char> tgaHeader(unsigned char type, int width, int height, unsigned char bits) {
    return {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<unsigned char>(width), 0,
            static_cast<unsigned char>(height), 0, bits, 0};
}

TEST(TgaImage, WholeImagesDecodeAndCutShortOnesAreRefused) {
    std::vector<unsigned char> raw = tgaHeader(2, 16, 16, 24);
    raw.resize(raw.size() + 16 * 16 * 3, 0x40);
    Image image;
    ASSERT_TRUE(decodeTgaMemory(raw.data(), raw.size(), image));
    EXPECT_EQ(image.rgba.front(), 0x40);
    EXPECT_EQ(image.rgba.back(), 0xFF);  // opaque
    // Run-length packed: two runs of 128 pixels fill 16 x 16; a byte less and
    // the last pixel is missing.
    std::vector<unsigned char> packed = tgaHeader(10, 16, 16, 32);
    for (int run = 0; run < 2; ++run) {
        packed.insert(packed.end(), {0xFF, 1, 2, 3, 4});
    }
    EXPECT_TRUE(decodeTgaMemory(packed.data(), packed.size(), image));
    packed.pop_back();
    EXPECT_FALSE(decodeTgaMemory(packed.data(), packed.size(), image));
    // A raw packet may announce more pixels than the image has left.
    std::vector<unsigned char> overshoot = tgaHeader(10, 1, 1, 24);
    overshoot.insert(overshoot.end(), {0x7F, 9, 8, 7});
    EXPECT_TRUE(decodeTgaMemory(overshoot.data(), overshoot.size(), image));
}

}  // namespace
