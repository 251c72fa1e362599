// The small pieces behind the sound system: footstep pacing and the chalk
// tap's variation.
#include <cmath>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "audio/Footsteps.h"
#include "audio/Variation.h"

namespace brindlemoor::test {
namespace {

namespace a = brindlemoor::audio;

TEST(Footsteps, OneStepPerStrideWhateverTheSpeed) {
    for (float perFrame : {0.02f, 5.0f / 60.0f, 0.5f}) {  // creeping, walking at 60 fps, a slow frame
        a::Footsteps steps(1.6f);
        int heard = 0;
        for (int frame = 0; frame < static_cast<int>(16.0f / perFrame); ++frame) heard += steps.walked(perFrame);
        EXPECT_EQ(heard, 10) << perFrame;
    }
    a::Footsteps steps(1.6f);
    EXPECT_TRUE(steps.walked(100.0f));  // a jump in position: one step, not sixty
    for (float nothing : {0.0f, -3.0f, NAN, INFINITY}) EXPECT_FALSE(steps.walked(nothing)) << nothing;
}

TEST(Variation, TheSameSeedGivesTheSameVariedSequence) {
    a::Variation first(7), again(7);
    std::set<float> values;
    for (int i = 0; i < 100; ++i) {
        const float v = first.next(0.9f, 1.1f);
        EXPECT_EQ(v, again.next(0.9f, 1.1f));
        EXPECT_TRUE(v >= 0.9f && v < 1.1f) << v;
        values.insert(v);
    }
    EXPECT_GT(values.size(), 90u);
}

}  // namespace
}  // namespace brindlemoor::test
