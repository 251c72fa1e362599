#include "gameplay/Pace.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace brindlemoor::gameplay {

double startingPace(const std::vector<double>& paces) {
    std::vector<double> latest;
    for (auto it = paces.rbegin(); it != paces.rend() && latest.size() < kPaceStartGames; ++it) {
        if (*it > 0.0 && std::isfinite(*it)) {
            latest.push_back(*it);
        }
    }
    if (latest.empty()) {
        return kDesignPace;
    }
    std::sort(latest.begin(), latest.end());
    const std::size_t n = latest.size();
    const double median = n % 2 == 1 ? latest[n / 2] : (latest[n / 2 - 1] + latest[n / 2]) / 2.0;
    return std::clamp(median, kSlowestPace, kFastestPace);
}

Pace::Pace(double start) : pace_(std::clamp(start, kSlowestPace, kFastestPace)) {}

bool Pace::wordCompleted() {
    const bool inTime = walkingToBoard_ && !bumpedHere_;
    walkingToBoard_ = true;
    bumpedHere_ = false;
    return inTime && change(kFaster);
}

bool Pace::bumped() {
    bumpedHere_ = true;
    return change(kSlower);
}

bool Pace::change(double factor) {
    const double before = pace_;
    pace_ = std::clamp(pace_ * factor, kSlowestPace, kFastestPace);
    return pace_ != before;
}

std::string paceFigure(double pace) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", pace);
    return text;
}

int motionSubsteps(double pace, double seconds) {
    const double distance = pace * seconds;
    if (!(distance > kLongestStepDistance)) {
        return 1;
    }
    // The sliver above a whole number of steps that float rounding leaves is
    // no reason for another step.
    return static_cast<int>(std::ceil(distance / kLongestStepDistance - 1e-6));
}

}  // namespace brindlemoor::gameplay
