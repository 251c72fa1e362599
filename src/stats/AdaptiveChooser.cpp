#include "stats/AdaptiveChooser.h"

#include <cmath>
#include <cstdlib>

#include "stats/LetterWeakness.h"

namespace brindlemoor::stats {

AdaptiveChooser::AdaptiveChooser(const LetterTable& history) : cost_(letterCosts(history)) {
    for (double cost : cost_) {
        meanCost_ += cost / kLetterCount;
    }
}

double AdaptiveChooser::weight(const std::string& word) const {
    if (meanCost_ <= 0.0) {
        return 1.0;
    }
    double sum = 0.0;
    int letters = 0;
    for (char c : word) {
        if (c >= 'A' && c <= 'Z') {
            sum += cost_[c - 'A'];
            ++letters;
        }
    }
    return letters > 0 ? std::pow(sum / letters / meanCost_, kWeaknessExponent) : 1.0;
}

std::size_t AdaptiveChooser::choose(const std::vector<std::string>& words, const std::string& lastWord) const {
    // One draw for every choice, whatever the list holds.
    const double draw = std::rand() / (RAND_MAX + 1.0);
    std::vector<double> weights(words.size(), 0.0);
    double total = 0.0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        weights[i] = words[i] == lastWord ? 0.0 : weight(words[i]);
        total += weights[i];
    }
    if (total <= 0.0) {
        return 0;  // only the last word is left: it has to repeat
    }
    double target = draw * total;
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (weights[i] > 0.0) {
            chosen = i;  // the last eligible word also catches rounding at the top
            if (target < weights[i]) {
                break;
            }
            target -= weights[i];
        }
    }
    return chosen;
}

}  // namespace brindlemoor::stats
