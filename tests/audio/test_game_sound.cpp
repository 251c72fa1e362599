// The real game heard through OpenAL's file back end while a typist plays it:
// silence before the first letter, the word's sounds when it is typed,
// nothing while the game is paused, and sound again when it goes on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

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
    writeFile(dir.file("level.txt"), "PP\nPP\nPP\n");  // a straight walk, longer than this one
    // The typist waits for the game's line after each step (on a busy machine
    // one frame can outlast a fixed wait, and Escape would end the game with
    // the word still queued). Each key reaches the game late by its own
    // amount, so the pause is found in the sound itself: the longest quiet
    // stretch between the first sound and the last.
    const std::string script =
        "export ALSOFT_DRIVERS=wave ALSOFT_CONF=\"$PWD/alsoft.conf\" BRINDLEMOOR_DATA='" + sourcePath("") + "'\n" +
        startGameScript("'" + std::string(BRINDLEMOOR_GAME_BINARY) +
                        "' --wordlist words.txt --level level.txt --size 320x240") +
        "k() { xdotool key --window \"$id\" $1; }\n"
        "w() { for i in $(seq 1 600); do grep -qxF \"$1\" game.log && return; sleep 0.1; done; }\n"
        "k c; k a; k t; w \"Word 'CAT' complete!\"; sleep 2\n"
        "k F1; w Paused; sleep 2; k F1; w Resumed; sleep 2; k Escape\n"
        "wait $pid\n"
        "sox out.wav -b 16 -e signed -c 1 -r 8000 out.raw 2>/dev/null\n";
    writeFile(dir.file("play.sh"), script);
    const CommandResult run = runCommand("cd '" + dir.path() + "' && bash play.sh");
    const std::string log = readFile(dir.file("game.log"));
    ASSERT_NE(log.find("Resumed\n", log.find("Paused\n")), std::string::npos) << run.output << log;
    const std::vector<double> tenths = loudness(readFile(dir.file("out.raw")));
    std::size_t first = 0, last = tenths.size();
    while (first < last && tenths[first] < 50.0) ++first;  // silence until the first letter
    while (last > first && tenths[last - 1] < 50.0) --last;
    ASSERT_LT(first + 20, last) << "no sound at all";
    std::size_t quiet = first, quietTenths = 0;
    for (std::size_t i = first, run = 0; i < last; ++i) {
        run = tenths[i] < 20.0 ? run + 1 : 0;
        if (run > quietTenths) {
            quietTenths = run;
            quiet = i + 1 - run;
        }
    }
    auto loudest = [&](std::size_t from, std::size_t to) {
        double most = 0.0;
        for (std::size_t i = from; i < to && i < tenths.size(); ++i) most = std::max(most, tenths[i]);
        return most;
    };
    EXPECT_GE(quietTenths, 10u) << "silent for most of the two seconds paused";
    EXPECT_GT(loudest(first, quiet), 500.0) << "the chalk, then the board going up";
    EXPECT_GT(loudest(quiet + quietTenths, quiet + quietTenths + 15), 100.0) << "his footsteps again";
}

}  // namespace
}  // namespace brindlemoor::test
