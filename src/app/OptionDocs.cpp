#include "app/OptionDocs.h"

namespace brindlemoor::app {

std::vector<OptionDoc> optionDocs() {
    using C = OptionDoc::Completion;
    return {
        {"--help", "", "Print this help message and exit", {}, C::None, ""},
        {"--version", "", "Display program version information and exit", {}, C::None, ""},
        {"--config", "FILE", "read FILE in place of config.txt", {}, C::File, ""},
        {"--level", "FILE", "a level file (\"\" for a random corridor)", {}, C::File, "level"},
        {"--length", "N", "blocks of a random corridor, at most 99", {}, C::None, "levellength"},
        {"--wordlist", "FILE", "the words to type, one a line", {}, C::File, "wordlist"},
        {"--shader", "cel|normal", "toon shading, or lights and shadows", {"cel", "normal"}, C::Choices, "shader"},
        {"--size", "WxH", "window size, at most 1920x1080 (0: from the other)",
         {"640x480", "1280x720", "1920x1080"}, C::Choices, "width,height"},
        {"--fullscreen", "", "full screen", {}, C::None, "fullscreen"},
        {"--seed", "N", "the same corridors and words on every run", {}, C::None, ""},
        {"--record", "FILE", "write the session to FILE as it is played", {}, C::File, ""},
        {"--replay", "FILE", "play a recorded session back", {}, C::File, ""},
        {"--data-dir", "DIR", "the folder holding Resources/ and Shader/", {}, C::Directory, ""},
        {"--stats", "", "print the history of your games and end", {}, C::None, ""},
        {"--sound", "on|off", "sound on or off", {"on", "off"}, C::Choices, "sound"},
        {"--volume", "N", "sound volume, 0 to 100", {}, C::None, "volume"},
        {"--words", "random|adaptive", "adaptive: more of the letters you miss", {"random", "adaptive"}, C::Choices,
         "words"},
        {"--history", "FILE|off", "the history file, or off for none", {"off"}, C::File, "history"},
    };
}

std::vector<ConfigKeyDoc> configKeyDocs() {
    return {
        {"width", "1280", "window width in pixels, at most 1920; 0 derives it from the height at 4:3"},
        {"height", "720", "window height in pixels, at most 1080; 0 derives it from the width at 4:3 "
                          "(both 0: 640 x 480)"},
        {"fullscreen", "false", "true for full screen"},
        {"shader", "normal", "cel for toon shading with outlines; any other value for normal mapping, "
                             "five lights and shadows"},
        {"antialiasing", "false", "true for 4x multisampling"},
        {"level", "", "a level file, one block code per line; empty for a random corridor"},
        {"levellength", "0", "blocks of a random corridor (0 gives 2), or the most codes read from a level file "
                             "(0 means 99); at most 99"},
        {"wordlist", "Resources/Wordlists/default.txt", "the word list, one word per line of the letters A to Z"},
        {"sound", "on", "off for a silent game"},
        {"volume", "80", "loudness of the sounds, 0 to 100"},
        {"history", "", "the history file; empty for $XDG_DATA_HOME/brindlemoor/history.sqlite3, off to keep none"},
        {"words", "random", "adaptive to practise the letters you miss and type slowly most"},
    };
}

}  // namespace brindlemoor::app
