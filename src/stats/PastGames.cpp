#include "stats/PastGames.h"

#include <algorithm>
#include <charconv>
#include <numeric>

#include "stats/LetterWeakness.h"

namespace brindlemoor::stats {

namespace {

constexpr std::size_t kKeptPaces = 8;

template <class T>
void keepLatest(std::vector<T>& values, std::size_t count) {
    if (values.size() > count) {
        values.erase(values.begin(), values.end() - static_cast<std::ptrdiff_t>(count));
    }
}

std::string number(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

template <class T>
bool readNumber(const std::string& text, std::size_t& at, T& value, char end) {
    const std::size_t stop = std::min(text.find(end, at), text.size());
    const auto result = std::from_chars(text.data() + at, text.data() + stop, value);
    const bool whole = result.ec == std::errc() && result.ptr == text.data() + stop && stop > at;
    at = stop + 1;
    return whole;
}

std::string numberList(const std::vector<double>& values) {
    std::string text;
    for (double value : values) {
        text += (text.empty() ? "" : ",") + number(value);
    }
    return text;
}

bool readList(const std::string& text, std::vector<double>& values) {
    values.clear();
    for (std::size_t at = 0; at < text.size();) {
        double value = 0.0;
        if (!readNumber(text, at, value, ',') || !(value >= 0.0) || values.size() >= kChartGames) {
            return false;
        }
        values.push_back(value);
    }
    return true;
}

}  // namespace

PastGames PastGames::from(const HistoryData& history) {
    PastGames past;
    for (const GameSummary& game : history.games) {
        past.speeds.push_back(game.wpm);
        past.paces.push_back(game.pace);
        past.bestSpeed = std::max(past.bestSpeed, game.wpm);
    }
    keepLatest(past.speeds, kChartGames);
    keepLatest(past.paces, kKeptPaces);
    past.letters = history.letters;
    return past;
}

void PastGames::add(const GameStats& game, double pace) {
    speeds.push_back(game.wpm);
    paces.push_back(pace);
    bestSpeed = std::max(bestSpeed, game.wpm);
    keepLatest(speeds, kChartGames);
    keepLatest(paces, kKeptPaces);
    for (int i = 0; i < kLetterCount; ++i) {
        LetterStats& sum = letters[i];
        const LetterStats& more = game.letters[i];
        sum.expected += more.expected;
        sum.mistyped += more.mistyped;
        sum.timedCount += more.timedCount;
        sum.timeSum += more.timeSum;
    }
}

std::vector<std::pair<std::string, std::string>> PastGames::asText() const {
    std::string letterText;
    for (int i = 0; i < kLetterCount; ++i) {
        const LetterStats& letter = letters[i];
        if (letter.expected > 0) {
            letterText += std::string(letterText.empty() ? "" : ";") + static_cast<char>('A' + i) + ":" +
                          std::to_string(letter.expected) + ":" + std::to_string(letter.mistyped) + ":" +
                          std::to_string(letter.timedCount) + ":" + number(letter.timeSum);
        }
    }
    return {{"speeds", numberList(speeds)}, {"best", number(bestSpeed)}, {"paces", numberList(paces)},
            {"letters", letterText}};
}

bool PastGames::read(const std::string& field, const std::string& value) {
    std::size_t at = 0;
    if (field == "speeds") return readList(value, speeds);
    if (field == "paces") return readList(value, paces);
    if (field == "best") return readNumber(value, at, bestSpeed, '\0') && bestSpeed >= 0.0;
    if (field != "letters") return false;
    letters = LetterTable{};
    while (at < value.size()) {
        if (at + 2 > value.size() || value[at] < 'A' || value[at] > 'Z' || value[at + 1] != ':') {
            return false;
        }
        LetterStats& letter = letters[value[at] - 'A'];
        at += 2;
        if (!readNumber(value, at, letter.expected, ':') || !readNumber(value, at, letter.mistyped, ':') ||
            !readNumber(value, at, letter.timedCount, ':') || !readNumber(value, at, letter.timeSum, ';')) {
            return false;
        }
    }
    return true;
}

std::string weakestLetters(const LetterTable& letters, std::size_t count) {
    const auto costs = letterCosts(letters);
    std::vector<int> order(kLetterCount);
    std::iota(order.begin(), order.end(), 0);
    order.erase(std::remove_if(order.begin(), order.end(), [&](int i) { return letters[i].expected == 0; }),
                order.end());
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return costs[a] > costs[b]; });
    std::string weakest;
    for (std::size_t i = 0; i < order.size() && i < count; ++i) {
        weakest += static_cast<char>('A' + order[i]);
    }
    return weakest;
}

}  // namespace brindlemoor::stats
