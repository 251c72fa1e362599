// The settings the game keeps besides the design's own (those are fields of
// GameState): sound, the history file, the word choice, the pace, the ghost. Every key of both
// kinds has one row in the settings table (SettingsTable.cpp).
#pragma once

#include <string>

namespace brindlemoor::app {

struct Settings {
    bool sound = true;           // sound=on|off
    unsigned volume = 80;        // volume=0..100
    std::string history;         // history=FILE|off; empty: the default file
    bool adaptiveWords = false;  // words=random|adaptive
    bool adaptivePace = false;   // pace=fixed|adaptive
    bool ghost = true;           // ghost=on|off
};

// One setting as a line of config.txt gives it ("key=value").
struct Setting {
    std::string key;
    std::string value;
    bool operator==(const Setting& other) const { return key == other.key && value == other.value; }
};

}  // namespace brindlemoor::app
