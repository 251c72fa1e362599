// Word lists of any content: every non-empty line becomes one word, and
// choosing a word afterwards always gives an entry of the list.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "gameplay/WordState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brindlemoor::fuzz::require;
    using brindlemoor::gameplay::wordState;
    brindlemoor::io::Output& out = brindlemoor::fuzz::nowhere();
    wordState = brindlemoor::gameplay::WordState{};
    brindlemoor::gameplay::readWordList(brindlemoor::fuzz::writeScratchFile(data, size), brindlemoor::io::DataFolder(), out);

    const auto lineFeeds = static_cast<std::size_t>(std::count(data, data + size, '\n'));
    require(wordState.wordList.size() <= lineFeeds + 1, "at most one word per line");
    for (const std::string& word : wordState.wordList) {
        require(!word.empty(), "no empty word");
        require(word.find('\n') == std::string::npos, "no line feed inside a word");
    }
    for (int pick = 0; pick < 3; ++pick) {
        const std::string word = brindlemoor::gameplay::chooseWord(out);
        const int index = wordState.lastWordIndex;
        if (wordState.wordList.empty()) {
            require(word == "DEFAULT", "an empty list gives DEFAULT");
        } else {
            require(index >= 0 && static_cast<std::size_t>(index) < wordState.wordList.size(), "pick within the list");
            require(word == wordState.wordList[static_cast<std::size_t>(index)], "the picked entry is the word");
        }
    }
    return 0;
}
