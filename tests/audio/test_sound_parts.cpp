// Footsteps in time with the boy's pace.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "audio/Footsteps.h"

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

}  // namespace
}  // namespace brindlemoor::test
