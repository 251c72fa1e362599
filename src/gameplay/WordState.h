// The word game: the word list, the word on the board in play, and turning key
// presses into typed letters.
#pragma once

#include <string>
#include <vector>

namespace brindlemoor::gameplay {

struct WordState {
    std::vector<std::string> wordList;  // grows by one copy of the file per game
    std::string currentWord;            // the word the player must type now
    int typedCount = 0;                 // leading letters of currentWord typed so far
    char lastLetter = 0;                // letter reported last while it is held; 0 for none
    bool letterHeld = false;
    int lastWordIndex = -1;             // entry of wordList chosen last
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

// The letter 'A'..'Z' newly pressed since the last call, or '#'. A held key is
// reported once and keeps others from being reported until it is released.
char pollLetter();

// Applies one typed letter; a wrong one starts the word over. True when it
// completes the current word.
bool typeLetter(char c);

}  // namespace brindlemoor::gameplay
