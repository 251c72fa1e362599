// Word lists of any content: every line of the letters A to Z (either case)
// becomes one word in capitals, in file order, and every other non-empty line
// is left out; a file with lines but no word gives the built-in list, a file
// with no line at all the empty list. Choosing a word afterwards gives an
// entry of the list, never the one chosen last while the list has another.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "gameplay/WordState.h"

namespace {

// The list the game promises for these bytes.
std::vector<std::string> expectedWords(std::string text) {
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        text.erase(0, 3);  // a byte order mark in front of the first line
    }
    std::vector<std::string> words;
    bool anyLine = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        bool word = !line.empty();
        for (char& c : line) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            word = word && c >= 'A' && c <= 'Z';
        }
        anyLine = anyLine || !line.empty();
        if (word) {
            words.push_back(line);
        }
    }
    if (words.empty() && anyLine) {
        return {"DOG", "CAT", "EEL", "BEE", "ANT"};
    }
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brindlemoor::fuzz::require;
    using brindlemoor::gameplay::wordState;
    static const bool quiet = (brindlemoor::fuzz::silenceStdout(), true);
    (void)quiet;
    wordState = brindlemoor::gameplay::WordState{};
    brindlemoor::gameplay::readWordList(brindlemoor::fuzz::writeScratchFile(data, size));
    const std::vector<std::string>& words = wordState.wordList;
    require(words == expectedWords(std::string(reinterpret_cast<const char*>(data), size)),
            "the words are the file's lines of letters, in capitals, or the built-in list");

    std::string previous;
    for (int pick = 0; pick < 3; ++pick) {
        const std::string word = brindlemoor::gameplay::chooseWord();
        if (words.empty()) {
            require(word == "DEFAULT", "an empty list gives DEFAULT");
            continue;
        }
        const auto index = static_cast<std::size_t>(wordState.lastWordIndex);
        require(index < words.size() && word == words[index], "the word is the picked entry of the list");
        bool another = false;
        for (const std::string& w : words) {
            another = another || w != previous;
        }
        require(pick == 0 || word != previous || !another, "never the word chosen last while there is another");
        previous = word;
    }
    return 0;
}
