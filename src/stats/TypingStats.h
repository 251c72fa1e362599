// The statistics of one game, measured from the letters as the player typed
// them. The word game reports its events with times in seconds on the game's
// clock; finish() turns them into the figures shown, printed and stored.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

namespace brindlemoor::stats {

constexpr int kLetterCount = 26;  // 'A'..'Z'

struct LetterStats {
    int expected = 0;                           // times it was the letter to type
    int mistyped = 0;                           // times another letter came instead
    std::array<int, kLetterCount> typedInstead{};  // which letters came instead
    int timedCount = 0;                         // letters in the time sum
    double timeSum = 0.0;                       // seconds from the previous correct letter
    double meanTime() const { return timedCount > 0 ? timeSum / timedCount : 0.0; }
    double errorRate() const { return expected > 0 ? static_cast<double>(mistyped) / expected : 0.0; }
};

using LetterTable = std::array<LetterStats, kLetterCount>;

struct MistypedWord {
    std::string word;
    int mistakes = 0;
};

struct GameStats {
    double wpm = 0.0;           // letters of completed words / 5 per minute of typing time
    double rawWpm = 0.0;        // every letter typed / 5 per minute of typing time
    double accuracy = 0.0;      // correct letters / letters typed, per cent
    double typingSeconds = 0.0;
    int lettersTyped = 0;
    int correctLetters = 0;
    int completedLetters = 0;   // letters of completed words, each word once
    int timedLetters = 0;       // the speeds' letters: those of words whose every letter was timed
    int wordsCompleted = 0;
    int boardsBumped = 0;
    int score = 0;
    int levelLength = 0;
    LetterTable letters;
    std::vector<MistypedWord> mistypedWords;  // most mistakes first
};

class TypingStats {
public:
    void wordShown(const std::string& word);
    // One letter handed to the word game; typed == expected is a correct one.
    // A letter whose press time is not known counts for accuracy only: it
    // has no time of its own, and its word (letters and time) is left out of
    // the speeds.
    void letterTyped(double time, char expected, char typed, bool timeKnown = true);
    void wordCompleted(double time);
    void paused(double time);
    void resumed(double time);
    void boardBumped();
    // The figures of the game so far; a word left half typed counts up to its
    // last letter.
    GameStats finish(int score, int levelLength) const;

private:
    double activeTime(double time) const;  // the clock with paused time taken out

    GameStats game_;
    std::string word_;             // the word in play; empty between words
    bool wordStarted_ = false;     // a letter has been typed on it
    double wordStart_ = 0.0;       // active time of its first letter
    double lastLetter_ = 0.0;      // active time of its latest letter
    bool previousCorrect_ = false; // the latest letter was correct, on this word
    bool wordUntimed_ = false;     // a letter of the word in play came without its time
    int timedTyped_ = 0;           // letters typed on completed words that were timed
    int wordLettersTyped_ = 0;     // letters typed on the word in play
    bool paused_ = false;
    double pauseStart_ = 0.0;
    double pausedTotal_ = 0.0;
    std::map<std::string, int> wordMistakes_;
};

}  // namespace brindlemoor::stats
