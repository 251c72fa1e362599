// The sound system heard through a loopback device: what is mixed, where it
// sits between the ears, and what happens without a device or without files.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "TestOutput.h"
#include "audio/SoundSystem.h"

namespace brindlemoor::test {
namespace {

namespace a = brindlemoor::audio;

// Set before OpenAL first reads its configuration in this process: a back end
// that does not exist, so the default device cannot open. Loopback needs none.
const int kNoBackEnd = setenv("ALSOFT_DRIVERS", "nosuchdriver", 1);

// RMS in 16-bit steps. OpenAL dithers, so silence measures about 0.5.
constexpr double kSilent = 2.0;
constexpr double kAudible = 100.0;

struct Loudness {
    double left = 0.0, right = 0.0;
    double most() const { return std::max(left, right); }
};

class Loopback : public ::testing::Test {
protected:
    void SetUp() override { open({}, io::DataFolder(sourcePath(""))); }
    void open(const a::AudioSettings& settings, const io::DataFolder& data) {
        sound.openLoopback(settings, data, printed);
        ASSERT_TRUE(sound.active());
        sound.setListener({0, 0, 0}, {0, 0, -1}, {0, 1, 0});
    }
    // The next tenth of a second by default; longer to let sounds end.
    Loudness next(int frames = 4410) {
        const std::vector<std::int16_t> mix = sound.renderLoopback(frames);
        double sums[2] = {0.0, 0.0};
        for (std::size_t i = 0; i < mix.size(); ++i) sums[i % 2] += double(mix[i]) * mix[i];
        return {std::sqrt(sums[0] / frames), std::sqrt(sums[1] / frames)};
    }

    CapturedOutput printed;
    a::SoundSystem sound;
};

TEST_F(Loopback, SilentUntilAPlayAndWhilePausedAndAPlacedSoundIsLouderOnItsSide) {
    EXPECT_LT(next().most(), kSilent);
    sound.play(a::Sound::Chime, {0, 0, -3});
    EXPECT_GT(next(441).most(), kAudible);
    sound.setPaused(true);
    next(64);  // the mixer ramps the paused source down
    sound.play(a::Sound::Bump, {0, 0, -3});  // dropped: the game is paused
    sound.play(a::Sound::Footstep, {0, 0, -3});
    EXPECT_LT(next().most(), kSilent);
    sound.setPaused(false);
    EXPECT_GT(next().most(), kAudible);  // the chime goes on where it was
    next(88200);
    EXPECT_LT(next().most(), kSilent);

    // A placed sound is louder on its side of the listener.
    struct Case { float facingZ, x; bool leftLouder; };
    for (const Case& c : {Case{-1, -4, true}, Case{-1, 4, false}, Case{1, -4, false}}) {  // turned round: right
        sound.setListener({0, 0, 0}, {0, 0, c.facingZ}, {0, 1, 0});
        sound.play(a::Sound::Bump, {c.x, 0, -2});
        const Loudness heard = next();
        EXPECT_GT(c.leftLouder ? heard.left : heard.right, 2 * (c.leftLouder ? heard.right : heard.left))
            << "x " << c.x << ", facing z " << c.facingZ;
        next(44100);
    }
}

TEST_F(Loopback, ThousandsOfPlaysLeaveRandAloneAndANewSoundAlwaysGetsASource) {
    std::srand(42);
    const int expected = std::rand();
    std::srand(42);
    for (int i = 0; i < 2000; ++i) {
        sound.play(a::Sound::ChalkTap, {0, 1, -6});
        sound.play(a::Sound::Footstep, {0, 0, -1});
        if (i % 8 == 0) next(441);
    }
    EXPECT_EQ(std::rand(), expected);
    next(44100);
    // With every source busy, a new sound takes one.
    for (std::size_t i = 0; i < a::kVoices; ++i) sound.play(a::Sound::Chime, {-4, 0, -2});
    next(441);
    sound.play(a::Sound::Bump, {4, 0, -2});  // on the right, where nothing else plays
    EXPECT_GT(next().right, kAudible);
    next(22050);
    EXPECT_LT(next().right, kSilent);  // the short bump is over; a chime still holding the source would not be
}

TEST_F(Loopback, MissingOrDamagedFilesGetOneLineEachAndStaySilent) {
    TempDir data;
    const auto sounds = [&data](const std::string& name) { return data.file("Resources/sounds/" + name); };
    writeFile(sounds("chalk_tap.wav"), std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    for (const char* ours : {"bump.wav", "footstep.wav"})
        writeFile(sounds(ours), readFile(sourcePath(std::string("Resources/sounds/") + ours)));
    // A player's stereo replacement wins over ours; its channels cancel, so
    // averaged down to mono it is silent.
    ASSERT_EQ(runCommand("sox -n -r 22050 -c 2 '" + sounds("footstep.flac") +
                         "' synth 0.1 sine 440 vol 0.5 remix 1 1v-1").exitStatus, 0);
    printed.take();
    open({}, io::DataFolder(data.path()));
    EXPECT_EQ(lines(printed.take()), (std::vector<std::string>{"Sound unreadable: " + sounds("chalk_tap.wav"),
                                                              "Sound missing: " + sounds("scrape.wav"),
                                                              "Sound missing: " + sounds("board_lift.wav"),
                                                              "Sound missing: " + sounds("chime.wav")}));
    for (a::Sound silent : {a::Sound::ChalkTap, a::Sound::Scrape, a::Sound::Footstep}) {
        sound.play(silent, {0, 0, -2});
        EXPECT_LT(next().most(), kSilent) << static_cast<int>(silent);
    }
    sound.play(a::Sound::Bump, {0, 0, -2});
    EXPECT_GT(next().most(), kAudible);
}

TEST(NoDevice, OneLineThenEveryCallIsSafeAndSilent) {
    ASSERT_EQ(kNoBackEnd, 0);
    for (bool enabled : {true, false}) {  // switched off: nothing opens and nothing is said
        a::SoundSystem sound;
        CapturedOutput printed;
        sound.open({enabled, 80}, io::DataFolder(sourcePath("")), printed);
        EXPECT_EQ(lines(printed.take()),
                  enabled ? std::vector<std::string>{"Sound off: no audio device"} : std::vector<std::string>{});
        EXPECT_FALSE(sound.active());
        sound.setListener({0, 0, 0}, {0, 0, -1}, {0, 1, 0});
        sound.play(a::Sound::Chime, {0, 0, -2});
        sound.play(a::Sound::Footstep, {0, 0, 0});
        sound.setPaused(true);
        EXPECT_TRUE(sound.renderLoopback(64).empty());
    }
}

}  // namespace
}  // namespace brindlemoor::test
