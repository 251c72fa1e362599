// The word game: the word list, the word on the board in play, and turning key
// presses into typed letters.
#pragma once

#include <deque>
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "io/DataFolder.h"
#include "io/Output.h"

namespace brindlemoor::gameplay {

// A rule that picks the index of the next word from the list and the word
// chosen last (the adaptive practice); without one the choice is at random.
using WordChooser = std::function<std::size_t(const std::vector<std::string>& words, const std::string& lastWord)>;

struct WordState {
    std::vector<std::string> wordList;  // this game's words, read afresh at every new game
    std::string currentWord;            // the word the player must type now
    int typedCount = 0;                 // leading letters of currentWord typed so far
    int lastWordIndex = -1;             // entry of wordList chosen last
    std::string lastWord;               // the word chosen last (across games)
    std::deque<char> pressedLetters;    // letters pressed and not yet typed, in press order
    WordChooser chooser;                // empty: the random choice
};

// Lives for the whole program, across games.
extern WordState wordState;

// The words of a word list: lines of the letters a-z and A-Z, in upper case;
// empty lines are skipped and any other line is left out (its number kept).
struct WordLines {
    std::vector<std::string> words;
    std::vector<std::size_t> leftOutLines;  // 1-based line numbers
};
WordLines readWordLines(std::istream& in);

// Makes the file's words this game's list (the five built-in words when it
// cannot be opened, or when it holds lines but no word), saying how many
// lines were left out. A name not found from the working folder is looked up
// in the data folder (the game's own lists).
void readWordList(const std::string& path, const io::DataFolder& data, io::Output& out);

// Picks a word with the chooser, or at random (never the word chosen last,
// when the list has another), makes it the current word and returns it;
// "DEFAULT" when the list is empty.
std::string chooseWord(io::Output& out);

// Makes `word` the word to type, from its first letter.
void setWord(const std::string& word, io::Output& out);

// Queues a letter 'A'..'Z' the player pressed (once per press, in press order).
void pressLetter(char letter);
// The next pressed letter not yet typed, or '#' when there is none.
char pollLetter();

// What one typed letter did: the word's next letter, the last one, or a
// mistake, which starts the word over.
enum class LetterResult { Correct, Completed, Wrong };
LetterResult applyLetter(char c, io::Output& out);
// The same as a yes or no: true when it completes the current word.
bool typeLetter(char c, io::Output& out);

}  // namespace brindlemoor::gameplay
