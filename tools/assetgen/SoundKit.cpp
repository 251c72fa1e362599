#include "SoundKit.h"

#include <cmath>
#include <utility>

#include "DetMath.h"

namespace assetgen {

Signal silence(double seconds) { return Signal(static_cast<std::size_t>(seconds * kSoundRate + 0.5), 0.0); }

double secondsAt(std::size_t sample) { return static_cast<double>(sample) / kSoundRate; }

double expDet(double x) {
    if (x < -700.0) return 0.0;
    int halvings = 0;
    while (x > 0.5 || x < -0.5) {
        x *= 0.5;
        ++halvings;
    }
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 16; ++n) {
        term *= x / n;
        sum += term;
    }
    while (halvings-- > 0) sum *= sum;
    return sum;
}

double sinTurns(double turns) { return sinDeg(turns * 360.0); }

double envelope(double t, double rise, double tau) {
    if (t < 0.0) return 0.0;
    if (t < rise) return t / rise;
    return expDet(-(t - rise) / tau);
}

LowPass::LowPass(double cutoffHz) : a_(1.0 - expDet(-2.0 * kPi * cutoffHz / kSoundRate)) {}

double LowPass::operator()(double x) {
    y_ += a_ * (x - y_);
    return y_;
}

BandPass::BandPass(double centreHz, double q) {
    const double w = centreHz / kSoundRate;
    const double alpha = sinTurns(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    b0_ = alpha / a0;
    a1_ = -2.0 * sinTurns(w + 0.25) / a0;
    a2_ = (1.0 - alpha) / a0;
}

double BandPass::operator()(double x) {
    const double y = b0_ * x - b0_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

void mixInto(Signal& into, const Signal& part, double atSeconds, double gain) {
    const auto start = static_cast<std::size_t>(atSeconds * kSoundRate + 0.5);
    if (into.size() < start + part.size()) into.resize(start + part.size(), 0.0);
    for (std::size_t i = 0; i < part.size(); ++i) into[start + i] += part[i] * gain;
}

Signal normalised(Signal signal) {
    double loudest = 0.0;
    for (double v : signal) loudest = std::fabs(v) > loudest ? std::fabs(v) : loudest;
    if (loudest > 0.0)
        for (double& v : signal) v /= loudest;
    return signal;
}

std::vector<std::int16_t> finish(Signal signal, double peak) {
    signal = normalised(std::move(signal));
    const std::size_t fade = kSoundRate / 200;  // 5 ms
    std::vector<std::int16_t> out(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        double v = signal[i] * peak;
        const std::size_t left = signal.size() - i;
        if (left < fade) v *= static_cast<double>(left) / fade;
        out[i] = static_cast<std::int16_t>(std::floor(v * 32767.0 + 0.5));
    }
    return out;
}

}  // namespace assetgen
