#include "stats/StatsReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <string>
#include <vector>

#include "stats/LetterWeakness.h"

namespace brindlemoor::stats {

namespace {

constexpr int kBarWidth = 20;

// printf into a string, for the columns of the tables.
template <class... Args>
std::string format(const char* pattern, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

std::string localDate(std::int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

void printGames(std::ostream& out, const std::vector<GameSummary>& games) {
    const std::size_t shown = std::min<std::size_t>(games.size(), kReportGames);
    // The pace has its column once some game was played at an adaptive pace.
    const bool paces = std::any_of(games.begin(), games.end(), [](const GameSummary& game) { return game.pace > 0.0; });
    out << "Last " << shown << " of " << games.size() << " games:\n";
    out << "  date              length  score    wpm  accuracy" << (paces ? "   pace" : "") << "\n";
    for (std::size_t i = games.size() - shown; i < games.size(); ++i) {
        const GameSummary& game = games[i];
        out << format("  %-16s  %6d  %5d  %5.1f  %7.1f%%", localDate(game.playedAt).c_str(), game.levelLength,
                      game.score, game.wpm, game.accuracy);
        if (paces) {
            out << (game.pace > 0.0 ? format("  %5.2f", game.pace) : "      -");
        }
        out << "\n";
    }
}

void printSpeeds(std::ostream& out, const std::vector<GameSummary>& games) {
    std::vector<double> speeds;
    for (const GameSummary& game : games) {
        speeds.push_back(game.wpm);
    }
    std::sort(speeds.begin(), speeds.end());
    const std::size_t n = speeds.size();
    const double median = n % 2 == 1 ? speeds[n / 2] : (speeds[n / 2 - 1] + speeds[n / 2]) / 2.0;
    out << format("Best speed %.1f wpm, median %.1f wpm\n", speeds.back(), median);

    // Least-squares slope of the speed over the latest games.
    const std::size_t count = std::min<std::size_t>(n, kTrendGames);
    if (count < 2) {
        out << "Trend: needs at least two games\n";
        return;
    }
    const double meanX = (count - 1) / 2.0;
    double meanY = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        meanY += games[n - count + i].wpm / count;
    }
    double covariance = 0.0;
    double variance = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        covariance += (i - meanX) * (games[n - count + i].wpm - meanY);
        variance += (i - meanX) * (i - meanX);
    }
    out << format("Trend over the last %zu games: %+.1f wpm a game\n", count, covariance / variance);
}

std::string substitutes(const LetterStats& letter) {
    std::vector<int> order(kLetterCount);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return letter.typedInstead[a] > letter.typedInstead[b]; });
    std::string text;
    for (int i = 0; i < 3 && letter.typedInstead[order[i]] > 0; ++i) {
        text += format("%s%c %d", text.empty() ? "" : ", ", 'A' + order[i], letter.typedInstead[order[i]]);
    }
    return text.empty() ? "-" : text;
}

void printLetters(std::ostream& out, const LetterTable& letters, std::size_t games) {
    const auto costs = letterCosts(letters);
    std::vector<int> order;
    for (int i = 0; i < kLetterCount; ++i) {
        if (letters[i].expected > 0) {
            order.push_back(i);
        }
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return costs[a] > costs[b]; });
    order.resize(std::min<std::size_t>(order.size(), kReportLetters));
    double worstRate = 0.0;
    for (int i : order) {
        worstRate = std::max(worstRate, letters[i].errorRate());
    }
    out << "Weakest letters of the last " << games << " games (error rate, mean time, typed instead):\n";
    for (int i : order) {
        const LetterStats& letter = letters[i];
        const int bar = worstRate > 0.0 ? static_cast<int>(std::ceil(kBarWidth * letter.errorRate() / worstRate)) : 0;
        // A letter only ever typed first in its word has no time of its own.
        const std::string time = letter.timedCount > 0 ? format("%4.0f ms", 1000.0 * letter.meanTime()) : "   - ms";
        out << format("  %c %-*s %5.1f%%  %s  %s\n", 'A' + i, kBarWidth, std::string(bar, '#').c_str(),
                      100.0 * letter.errorRate(), time.c_str(), substitutes(letter).c_str());
    }
}

}  // namespace

void printStatsReport(std::ostream& out, History& history) {
    const io::Result<HistoryData> loaded = history.load();
    if (!loaded) {
        return;  // its line is printed
    }
    const HistoryData& data = loaded.value();
    if (data.games.empty()) {
        out << "No history yet: finish a game to start one (" << history.path() << ")" << std::endl;
        return;
    }
    printGames(out, data.games);
    printSpeeds(out, data.games);
    printLetters(out, data.letters, std::min<std::size_t>(data.games.size(), kRecentGames));
    out << "Most often mistyped words:" << (data.mistypedWords.empty() ? " none" : "") << "\n";
    for (const MistypedWord& word : data.mistypedWords) {
        out << "  " << word.word << " " << word.mistakes << "\n";
    }
    out.flush();
}

}  // namespace brindlemoor::stats
