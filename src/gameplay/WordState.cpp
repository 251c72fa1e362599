#include "gameplay/WordState.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

#include "platform/TextLines.h"

namespace brindlemoor::gameplay {

WordState wordState;

void readWordList(const std::string& path) {
    std::ifstream file;
    if (!platform::openTextFile(file, path)) {
        std::cout << "Cannot open specified wordlist file. Creating a simple one" << std::endl;
        for (const char* word : {"DOG", "CAT", "EEL", "BEE", "ANT"}) {
            wordState.wordList.emplace_back(word);
        }
        return;
    }
    platform::TextLineReader reader(file);
    std::string line;
    while (reader.next(line)) {
        if (!line.empty()) {
            wordState.wordList.push_back(line);
        }
    }
}

std::string chooseWord() {
    const std::vector<std::string>& words = wordState.wordList;
    if (words.empty()) {
        setWord("DEFAULT");
        return "DEFAULT";
    }
    std::size_t index = static_cast<unsigned>(std::rand()) % words.size();
    if (static_cast<long long>(index) == wordState.lastWordIndex) {
        // Step to the next entry so the board never repeats itself; past the
        // last entry that is the first one (a one-word list always repeats).
        index = (index + 1) % words.size();
    }
    // The list would have to exceed two billion words to leave the int range.
    wordState.lastWordIndex = static_cast<int>(index);
    setWord(words[index]);
    return words[index];
}

void setWord(const std::string& word) {
    wordState.currentWord = word;
    wordState.typedCount = 0;
    std::cout << "New word is: " << word << std::endl;
}

void pressLetter(char letter) {
    if (letter >= 'A' && letter <= 'Z') {
        wordState.pressedLetters.push_back(letter);
    }
}

char pollLetter() {
    if (wordState.pressedLetters.empty()) {
        return '#';
    }
    const char letter = wordState.pressedLetters.front();
    wordState.pressedLetters.pop_front();
    return letter;
}

bool typeLetter(char c) {
    std::string& word = wordState.currentWord;
    std::size_t position = static_cast<std::size_t>(wordState.typedCount);
    // Past the end (after a completion) nothing matches, so the count restarts.
    if (position < word.size() && word[position] == c) {
        ++wordState.typedCount;
    } else {
        wordState.typedCount = 0;
    }
    if (static_cast<std::size_t>(wordState.typedCount) == word.size()) {
        std::cout << "Word '" << word << "' complete!" << std::endl;
        return true;
    }
    return false;
}

}  // namespace brindlemoor::gameplay
