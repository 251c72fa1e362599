#include "stats/TypingStats.h"

#include <algorithm>

namespace brindlemoor::stats {

namespace {

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Words per minute for `letters` letters, five letters making a word.
double perMinute(int letters, double seconds) { return seconds > 0.0 ? letters / 5.0 * 60.0 / seconds : 0.0; }

}  // namespace

double TypingStats::activeTime(double time) const {
    // An event during a pause (none should come) counts at the pause's start.
    return (paused_ ? std::min(time, pauseStart_) : time) - pausedTotal_;
}

void TypingStats::wordShown(const std::string& word) {
    word_ = word;
    wordStarted_ = false;
    previousCorrect_ = false;
    wordUntimed_ = false;
    wordLettersTyped_ = 0;
}

void TypingStats::letterTyped(double time, char expected, char typed, bool timeKnown) {
    if (word_.empty()) {
        return;  // no word on a board: nothing to measure against
    }
    const double now = activeTime(time);
    wordUntimed_ = wordUntimed_ || !timeKnown;
    wordLettersTyped_ += 1;
    if (!wordStarted_) {
        wordStarted_ = true;
        wordStart_ = now;
    }
    const bool correct = typed == expected;
    game_.lettersTyped += 1;
    game_.correctLetters += correct ? 1 : 0;
    if (isLetter(expected)) {
        LetterStats& letter = game_.letters[expected - 'A'];
        letter.expected += 1;
        if (!correct) {
            letter.mistyped += 1;
            if (isLetter(typed)) {
                letter.typedInstead[typed - 'A'] += 1;
            }
        } else if (previousCorrect_ && !wordUntimed_) {
            // Only a correct letter right after a correct one is timed: the
            // first letter of a word and the letter after a mistake include
            // reading the board.
            letter.timedCount += 1;
            letter.timeSum += now - lastLetter_;
        }
    }
    if (!correct) {
        wordMistakes_[word_] += 1;
    }
    previousCorrect_ = correct;
    lastLetter_ = now;
}

void TypingStats::wordCompleted(double time) {
    if (word_.empty()) {
        return;
    }
    if (!wordUntimed_) {
        if (wordStarted_) {
            game_.typingSeconds += activeTime(time) - wordStart_;
        }
        game_.timedLetters += static_cast<int>(word_.size());
        timedTyped_ += wordLettersTyped_;
    }
    game_.completedLetters += static_cast<int>(word_.size());
    game_.wordsCompleted += 1;
    word_.clear();
    wordStarted_ = false;
    previousCorrect_ = false;
    wordUntimed_ = false;
    wordLettersTyped_ = 0;
}

void TypingStats::paused(double time) {
    if (!paused_) {
        paused_ = true;
        pauseStart_ = time;
    }
}

void TypingStats::resumed(double time) {
    if (paused_) {
        paused_ = false;
        pausedTotal_ += std::max(0.0, time - pauseStart_);
    }
}

void TypingStats::boardBumped() { game_.boardsBumped += 1; }

GameStats TypingStats::finish(int score, int levelLength) const {
    GameStats game = game_;
    int rawLetters = timedTyped_;
    if (wordStarted_ && !wordUntimed_) {
        game.typingSeconds += lastLetter_ - wordStart_;
        rawLetters += wordLettersTyped_;
    }
    game.score = score;
    game.levelLength = levelLength;
    game.wpm = perMinute(game.timedLetters, game.typingSeconds);
    game.rawWpm = perMinute(rawLetters, game.typingSeconds);
    game.accuracy = game.lettersTyped > 0 ? 100.0 * game.correctLetters / game.lettersTyped : 0.0;
    for (const auto& [word, mistakes] : wordMistakes_) {
        game.mistypedWords.push_back({word, mistakes});
    }
    std::stable_sort(game.mistypedWords.begin(), game.mistypedWords.end(),
                     [](const MistypedWord& a, const MistypedWord& b) { return a.mistakes > b.mistakes; });
    return game;
}

}  // namespace brindlemoor::stats
