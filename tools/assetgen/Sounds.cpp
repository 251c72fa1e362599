#include "Sounds.h"

#include "Noise.h"
#include "SoundKit.h"

namespace assetgen {

namespace {

double white(Rng& rng) { return rng.range(-1.0, 1.0); }

// Stick-slip friction: a train of impulses at a wandering rate, each ringing
// the given body modes; the result peaks at 1. Chalk screeches and wood creaks
// are both made this way.
Signal stickSlip(double seconds, double rateFrom, double rateTo, double wobbleHz, std::uint64_t seed,
                 std::vector<BandPass> modes) {
    Rng rng(seed);
    Signal out = silence(seconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = secondsAt(i);
        const double rate = rateFrom + (rateTo - rateFrom) * (t / seconds);
        phase += rate * (1.0 + 0.08 * sinTurns(wobbleHz * t)) / kSoundRate;
        double impulse = 0.0;
        if (phase >= 1.0) {
            phase -= 1.0;
            impulse = rng.range(0.6, 1.0);
        }
        double sum = 0.0;
        for (BandPass& mode : modes) sum += mode(impulse);
        out[i] = sum;
    }
    return normalised(out);
}

}  // namespace

Samples chalkTapSound() {
    Rng rng(0xC4A1);
    BandPass grit(4200.0, 1.2);
    Signal s = silence(0.07);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = secondsAt(i);
        const double noise = grit(white(rng)) * envelope(t, 0.0005, 0.006);
        const double ping = 0.5 * sinTurns(2300.0 * t) * envelope(t, 0.0003, 0.012) +
                            0.3 * sinTurns(3900.0 * t) * envelope(t, 0.0003, 0.006);
        const double knock = 0.25 * sinTurns(520.0 * t) * envelope(t, 0.001, 0.015);
        s[i] = 2.0 * noise + ping + knock;
    }
    return finish(s, 0.5);
}

Samples scrapeSound() {
    const double seconds = 0.26;
    Signal s = stickSlip(seconds, 150.0, 120.0, 7.0, 0x5C4A,
                         {BandPass(2600.0, 6.0), BandPass(1300.0, 4.0), BandPass(3700.0, 8.0)});
    Rng rng(0x5C4B);
    BandPass hiss(3000.0, 0.8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = secondsAt(i);
        const double shape = (t < 0.015 ? t / 0.015 : 1.0) * (t > seconds - 0.06 ? (seconds - t) / 0.06 : 1.0);
        s[i] = (s[i] + 0.5 * hiss(white(rng))) * shape;
    }
    return finish(s, 0.55);
}

Samples boardLiftSound() {
    const double seconds = 0.6;
    Signal s = stickSlip(seconds, 18.0, 45.0, 3.0, 0xB0A7,
                         {BandPass(420.0, 12.0), BandPass(910.0, 10.0), BandPass(1650.0, 8.0)});
    Rng rng(0xB0A8);
    LowPass body(700.0);
    LowPass body2(700.0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = secondsAt(i);
        const double swell = (t < 0.15 ? t / 0.15 : 1.0) * (t > seconds - 0.2 ? (seconds - t) / 0.2 : 1.0);
        const double slide = body2(body(white(rng))) * swell;
        const double knock = sinTurns(160.0 * t) * envelope(t, 0.002, 0.04);
        s[i] = 0.8 * s[i] * swell + 2.5 * slide + 0.5 * knock;
    }
    return finish(s, 0.5);
}

Samples bumpSound() {
    Rng rng(0xB0B0);
    LowPass thump(400.0);
    LowPass thump2(400.0);
    Signal s = silence(0.35);
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = secondsAt(i);
        phase += (55.0 + 40.0 * expDet(-t / 0.04)) / kSoundRate;  // the pitch sags as the board gives
        const double body = sinTurns(phase) * envelope(t, 0.002, 0.09) +
                            0.3 * sinTurns(2.3 * phase) * envelope(t, 0.002, 0.05);
        const double hit = thump2(thump(white(rng))) * envelope(t, 0.001, 0.02);
        s[i] = body + 3.0 * hit;
    }
    return finish(s, 0.6);
}

Samples footstepSound() {
    Rng rng(0xF007);
    LowPass heelA(1500.0), heelB(1500.0), toeA(2200.0), toeB(2200.0);
    Signal s = silence(0.16);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = secondsAt(i);
        const double heel = heelB(heelA(white(rng))) * envelope(t, 0.002, 0.018);
        const double toe = toeB(toeA(white(rng))) * envelope(t - 0.035, 0.002, 0.012);
        const double thump = sinTurns(110.0 * t) * envelope(t, 0.003, 0.025);
        s[i] = heel + 0.5 * toe + 0.15 * thump;
    }
    return finish(s, 0.25);
}

Samples chimeSound() {
    const double notes[] = {523.25, 659.25, 783.99, 1046.50};  // C5 E5 G5 C6
    Signal s = silence(1.5);
    for (int n = 0; n < 4; ++n) {
        const double start = 0.11 * n;
        const double tau = n == 3 ? 0.4 : 0.3;
        Signal note = silence(1.5 - start);
        for (std::size_t i = 0; i < note.size(); ++i) {
            const double t = secondsAt(i);
            const double f = notes[n];
            // Bell-like: the fundamental, two softer harmonics and a faint
            // inharmonic shimmer that dies first.
            note[i] = sinTurns(f * t) * envelope(t, 0.004, tau) +
                      0.25 * sinTurns(2.0 * f * t) * envelope(t, 0.004, tau * 0.5) +
                      0.08 * sinTurns(3.0 * f * t) * envelope(t, 0.004, tau * 0.4) +
                      0.05 * sinTurns(4.2 * f * t) * envelope(t, 0.002, tau * 0.3);
        }
        mixInto(s, note, start, 1.0);
    }
    return finish(s, 0.6);
}

}  // namespace assetgen
