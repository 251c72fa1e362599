// The word game: the word list, the word on the board in play, and turning key
// presses into typed letters.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace brindlemoor::gameplay {

struct WordState {
    std::vector<std::string> wordList;  // grows by one copy of the file per game
    std::string currentWord;            // the word the player must type now
    int typedCount = 0;                 // leading letters of currentWord typed so far
    int lastWordIndex = -1;             // entry of wordList chosen last
    std::deque<char> pressedLetters;    // letters pressed and not yet typed, in press order
};

// Lives for the whole program, across games.
extern WordState wordState;

// Appends the non-empty lines of the file to wordList, or five built-in words
// when it cannot be opened.
void readWordList(const std::string& path);

// Picks a word at random (never the same entry twice in a row), makes it the
// current word and returns it; "DEFAULT" when the list is empty.
std::string chooseWord();

// Makes `word` the word to type, from its first letter.
void setWord(const std::string& word);

// Queues a letter 'A'..'Z' the player pressed (once per press, in press order).
void pressLetter(char letter);
// The next pressed letter not yet typed, or '#' when there is none.
char pollLetter();

// Applies one typed letter; a wrong one starts the word over. True when it
// completes the current word.
bool typeLetter(char c);

}  // namespace brindlemoor::gameplay
