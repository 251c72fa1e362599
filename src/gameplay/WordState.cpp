#include "gameplay/WordState.h"

#include <cctype>
#include <cstdlib>
#include <fstream>

#include "io/TextLines.h"

namespace brindlemoor::gameplay {

WordState wordState;

namespace {

void useBuiltInWords(io::Output& out) {
    out.line("Cannot open specified wordlist file. Creating a simple one");
    wordState.wordList = {"DOG", "CAT", "EEL", "BEE", "ANT"};
}

bool isWord(const std::string& line) {
    for (char c : line) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) {
            return false;
        }
    }
    return true;
}

// "lines 2, 5, 9" or, past a few, "lines 2, 5, 9, 11, 14, ...".
std::string lineNumbers(const std::vector<std::size_t>& numbers) {
    constexpr std::size_t kShown = 5;
    std::string text = numbers.size() == 1 ? "line " : "lines ";
    for (std::size_t i = 0; i < numbers.size() && i < kShown; ++i) {
        text += (i > 0 ? ", " : "") + std::to_string(numbers[i]);
    }
    return numbers.size() > kShown ? text + ", ..." : text;
}

}  // namespace

WordLines readWordLines(std::istream& in) {
    WordLines result;
    io::TextLineReader reader(in);
    std::string line;
    for (std::size_t number = 1; reader.next(line); ++number) {
        if (line.empty()) {
            continue;
        }
        if (!isWord(line)) {
            result.leftOutLines.push_back(number);
            continue;
        }
        for (char& c : line) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        result.words.push_back(std::move(line));
    }
    return result;
}

void readWordList(const std::string& path, const io::DataFolder& data, io::Output& out) {
    // A player's list is found from the folder the game was started in; the
    // game's own lists, such as the default one, in its data folder.
    std::ifstream file;
    if (!io::openTextFile(file, path) && !io::openTextFile(file, data.path(path))) {
        useBuiltInWords(out);
        return;
    }
    WordLines read = readWordLines(file);
    if (!read.leftOutLines.empty()) {
        out.line("Word list ", path, ": left out ", read.leftOutLines.size(),
                 read.leftOutLines.size() == 1 ? " line" : " lines", " that are not words of the letters A to Z (",
                 lineNumbers(read.leftOutLines), ")");
        if (read.words.empty()) {
            useBuiltInWords(out);
            return;
        }
    }
    wordState.wordList = std::move(read.words);
}

std::string chooseWord(io::Output& out) {
    const std::vector<std::string>& words = wordState.wordList;
    if (words.empty()) {
        setWord("DEFAULT", out);
        return "DEFAULT";
    }
    std::size_t index = 0;
    if (wordState.chooser) {
        index = wordState.chooser(words, wordState.lastWord) % words.size();
    } else {
        index = static_cast<unsigned>(std::rand()) % words.size();
        // Step on to the next different word so the board never repeats itself;
        // past the last entry comes the first. A list of one word always repeats.
        for (std::size_t steps = 0; steps < words.size() && words[index] == wordState.lastWord; ++steps) {
            index = (index + 1) % words.size();
        }
    }
    // The list would have to exceed two billion words to leave the int range.
    wordState.lastWordIndex = static_cast<int>(index);
    wordState.lastWord = words[index];
    setWord(words[index], out);
    return words[index];
}

void setWord(const std::string& word, io::Output& out) {
    wordState.currentWord = word;
    wordState.typedCount = 0;
    out.line("New word is: ", word);
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

LetterResult applyLetter(char c, io::Output& out) {
    const std::string& word = wordState.currentWord;
    const std::size_t position = static_cast<std::size_t>(wordState.typedCount);
    // Past the end (after a completion) nothing matches, so the count restarts.
    const bool matches = position < word.size() && word[position] == c;
    wordState.typedCount = matches ? wordState.typedCount + 1 : 0;
    if (static_cast<std::size_t>(wordState.typedCount) == word.size()) {
        out.line("Word '", word, "' complete!");
        return LetterResult::Completed;
    }
    return matches ? LetterResult::Correct : LetterResult::Wrong;
}

bool typeLetter(char c, io::Output& out) { return applyLetter(c, out) == LetterResult::Completed; }

}  // namespace brindlemoor::gameplay
