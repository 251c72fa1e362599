// The small pieces behind the sound system: settings from config.txt lines,
// footstep pacing and the chalk tap's variation.
#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "audio/AudioSettings.h"
#include "audio/Footsteps.h"
#include "audio/Variation.h"

namespace brindlemoor::test {
namespace {

namespace a = brindlemoor::audio;

TEST(AudioSettings, ConfigurationLinesSetSoundAndVolume) {
    struct Case { const char* key; const char* value; bool known; bool enabled; int volume; };
    for (const Case& c : std::vector<Case>{
             {"sound", "off", true, false, 80}, {"sound", "on", true, true, 80}, {"volume", "35", true, true, 35},
             {"volume", "250", true, true, 100}, {"volume", "-5", true, true, 0},
             {"volume", "99999999999", true, true, 100}, {"volume", "loud", true, true, 80},
             {"volume", "", true, true, 80}, {"width", "0", false, true, 80}}) {
        a::AudioSettings settings;
        const bool known = a::applyAudioSetting(settings, c.key, c.value);
        EXPECT_EQ(std::make_tuple(known, settings.enabled, settings.volume), std::make_tuple(c.known, c.enabled, c.volume))
            << c.key << "=" << c.value;
    }
}

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
