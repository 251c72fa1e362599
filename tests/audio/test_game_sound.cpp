// The real game heard through OpenAL's file back end while a typist plays it:
// silence before the first letter, the word's sounds when it is typed,
// nothing while the game is paused, and sound again when it goes on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "TestFiles.h"

namespace brindlemoor::test {
namespace {

// Loudness of each tenth of a second of a mono 8 kHz 16-bit file.
std::vector<double> loudness(const std::string& raw) {
    std::vector<double> tenths;
    const std::size_t samples = raw.size() / 2, window = 800;
    for (std::size_t start = 0; start + window <= samples; start += window) {
        double sum = 0.0;
        for (std::size_t i = start; i < start + window; ++i) {
            const auto sample = static_cast<std::int16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                                          static_cast<unsigned char>(raw[2 * i + 1]) << 8);
            sum += static_cast<double>(sample) * sample;
        }
        tenths.push_back(std::sqrt(sum / window));
    }
    return tenths;
}

TEST(GameSound, TheGameIsHeardWhenItsWordIsTypedAndSilentWhilePaused) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs a display";
    }
    TempDir dir;
    writeFile(dir.file("alsoft.conf"), "[wave]\nfile = " + dir.file("out.wav") + "\n");
    writeFile(dir.file("words.txt"), "CAT\n");
    // The typist notes when (on the clock of the recording, which starts with
    // the sound device) each thing happens: times are taken relative to the
    // first letter, which is also the first sound.
    const std::string script =
        "export ALSOFT_DRIVERS=wave ALSOFT_CONF=\"$PWD/alsoft.conf\" BRINDLEMOOR_DATA='" + sourcePath("") + "'\n" +
        startGameScript("'" + std::string(BRINDLEMOOR_GAME_BINARY) + "' --wordlist words.txt --size 320x240") +
        "sleep 1; k() { xdotool key --window \"$id\" $1; }\n"
        "start=$(date +%s.%N); k c; sleep 0.2; k a; sleep 0.2; k t; sleep 2\n"
        "paused=$(date +%s.%N); k F1; sleep 2; resumed=$(date +%s.%N); k F1; sleep 2; k Escape\n"
        "wait $pid\n"
        "awk \"BEGIN { print $paused - $start, $resumed - $start }\"\n"
        "sox out.wav -b 16 -e signed -c 1 -r 8000 out.raw 2>/dev/null\n";
    writeFile(dir.file("play.sh"), script);
    const CommandResult run = runCommand("cd '" + dir.path() + "' && bash play.sh");
    double paused = 0.0, resumed = 0.0;
    std::istringstream(run.output) >> paused >> resumed;
    ASSERT_GT(resumed, paused) << run.output << readFile(dir.file("game.log"));
    const std::vector<double> tenths = loudness(readFile(dir.file("out.raw")));
    std::size_t first = 0;
    while (first < tenths.size() && tenths[first] < 50.0) {
        ++first;  // silence until the first letter
    }
    ASSERT_LT(first + 20, tenths.size()) << "no sound at all";
    auto loudest = [&](double from, double to) {
        double most = 0.0;
        for (auto i = first + static_cast<std::size_t>(from * 10); i < first + to * 10 && i < tenths.size(); ++i) {
            most = std::max(most, tenths[i]);
        }
        return most;
    };
    EXPECT_GT(loudest(0.0, 1.2), 500.0) << "the chalk, then the board going up";
    EXPECT_LT(loudest(paused + 0.4, resumed - 0.1), 20.0) << "paused";
    EXPECT_GT(loudest(resumed + 0.3, resumed + 1.8), 100.0) << "his footsteps again";
}

}  // namespace
}  // namespace brindlemoor::test
