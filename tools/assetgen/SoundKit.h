// Building blocks for the synthesised sounds: envelopes, sines, filters and
// the final step to 16-bit samples. Like DetMath, only +, -, *, / and sqrt, so
// the samples are the same on every machine.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

constexpr int kSoundRate = 44100;

// A sound being built, one value per sample, nominally within -1..1.
using Signal = std::vector<double>;

Signal silence(double seconds);
double secondsAt(std::size_t sample);

// e^x by halving, a Taylor series and squaring back.
double expDet(double x);
// sin(2 pi turns).
double sinTurns(double turns);

// Exponential fall to 1/e after `tau` seconds, after a linear rise over `rise`.
double envelope(double t, double rise, double tau);

// One-pole low-pass.
class LowPass {
public:
    explicit LowPass(double cutoffHz);
    double operator()(double x);

private:
    double a_;
    double y_ = 0.0;
};

// Band-pass biquad with unit gain at the centre; a high Q rings like a
// struck body when fed single impulses.
class BandPass {
public:
    BandPass(double centreHz, double q);
    double operator()(double x);

private:
    double b0_, a1_, a2_;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

// Adds `part` times `gain` into `into` from `atSeconds` on, growing `into` if needed.
void mixInto(Signal& into, const Signal& part, double atSeconds, double gain);

// The signal scaled so that its loudest sample is 1 (silence stays silence).
Signal normalised(Signal signal);

// Scales the loudest sample to `peak` (below 1), fades the last few
// milliseconds to zero so the end does not click, and rounds to 16 bit.
std::vector<std::int16_t> finish(Signal signal, double peak);

}  // namespace assetgen
