// What sound costs: opening the device and reading the sounds at start-up,
// and the frame time of the scripted walk with sound against without.
//
// Without ALSOFT_DRIVERS set, OpenAL Soft's null back end is used: it mixes
// in its own thread as a sound card's would but plays nowhere, so the figures
// are the same on a machine without a sound card (CI, this one).
#include <cstdlib>
#include <string>

#include "Sections.h"

namespace brindlemoor::bench {

namespace {
void openSound() {
    app::Session& session = benchSession();
    session.sound.open(audio::AudioSettings{}, session.data, session.out);
}
}  // namespace

std::vector<Row> soundSection(const Settings& settings) {
    audio::SoundSystem& sound = benchSession().sound;
    setenv("ALSOFT_DRIVERS", "null", 0);  // read by OpenAL Soft when it first opens a device
    const std::string backEnd = std::string(" (OpenAL back end ") + std::getenv("ALSOFT_DRIVERS") + ")";
    std::vector<double> opens;
    for (int run = 0; run < settings.runs; ++run) {
        const double start = nowSeconds();
        openSound();
        opens.push_back(nowSeconds() - start);
        if (run + 1 < settings.runs) {
            sound.close();
        }
    }
    if (!sound.active()) {
        return {{"sound: no device opened" + backEnd, 0.0, "", ""}};
    }
    // With, without, without, with: a machine that speeds up or slows down
    // during the run weighs on both alike.
    std::vector<double> with;
    std::vector<double> without;
    double processorWith = 0.0;
    double processorWithout = 0.0;
    for (bool withSound : {true, false, false, true}) {
        if (withSound && !sound.active()) {
            openSound();
        } else if (!withSound) {
            sound.close();
        }
        const WalkTimes walk = walkTimes(settings, true);
        std::vector<double>& frames = withSound ? with : without;
        frames.insert(frames.end(), walk.frames.begin(), walk.frames.end());
        (withSound ? processorWith : processorWithout) += walk.processorPerFrame / 2.0;  // two walks each
    }
    sound.close();
    // The game opens once: the first opening, which also starts the library, is its start-up.
    const double first = opens.front();
    opens.erase(opens.begin());
    return {{"sound start-up: device and six sounds, first opening" + backEnd, first * 1000.0, "ms", "<= 30"},
            {"  each further opening, median", opens.empty() ? 0.0 : median(opens) * 1000.0, "ms", ""},
            {"frame time median with sound, 99 blocks (shadow mode)", median(with) * 1000.0, "ms", ""},
            {"frame time median without sound, same walk (shadow mode)", median(without) * 1000.0, "ms", ""},
            {"  processor time per frame, all threads, with / without sound", processorWith * 1000.0, "ms",
             "without " + std::to_string(processorWithout * 1000.0).substr(0, 5) + " ms"}};
}

}  // namespace brindlemoor::bench
