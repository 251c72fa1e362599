// Word lists of any content: every line of the letters A to Z (either case)
// becomes one word in capitals, in file order, and every other non-empty line
// is left out; a file with lines but no word gives the built-in list, a file
// with no line at all the empty list. Choosing a word afterwards gives an
// entry of the list, never the one chosen last while the list has another.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "gameplay/WordState.h"

namespace {

// The list the game promises for these bytes.
std::vector<std::string> expectedWords(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text.rfind("\xEF\xBB\xBF", 0) == 0 ? text.substr(3) : text);  // a byte order mark
    std::vector<std::string> words;
    bool anyLine = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::transform(line.begin(), line.end(), line.begin(), [](unsigned char c) { return std::toupper(c); });
        anyLine = anyLine || !line.empty();
        if (!line.empty() && std::all_of(line.begin(), line.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
            words.push_back(line);
        }
    }
    return words.empty() && anyLine ? std::vector<std::string>{"DOG", "CAT", "EEL", "BEE", "ANT"} : words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brindlemoor::fuzz::require;
    using brindlemoor::gameplay::wordState;
    brindlemoor::io::Output& out = brindlemoor::fuzz::nowhere();
    wordState = brindlemoor::gameplay::WordState{};
    brindlemoor::gameplay::readWordList(brindlemoor::fuzz::writeScratchFile(data, size), brindlemoor::io::DataFolder(), out);
    const std::vector<std::string>& words = wordState.wordList;
    require(words == expectedWords(data, size),
            "the words are the file's lines of letters, in capitals, or the built-in list");

    std::string previous;
    for (int pick = 0; pick < 3; ++pick) {
        const std::string word = brindlemoor::gameplay::chooseWord(out);
        if (words.empty()) {
            require(word == "DEFAULT", "an empty list gives DEFAULT");
            continue;
        }
        const auto index = static_cast<std::size_t>(wordState.lastWordIndex);
        require(index < words.size() && word == words[index], "the word is the picked entry of the list");
        const bool another = static_cast<std::size_t>(std::count(words.begin(), words.end(), previous)) < words.size();
        require(pick == 0 || word != previous || !another, "never the word chosen last while there is another");
        previous = word;
    }
    return 0;
}
