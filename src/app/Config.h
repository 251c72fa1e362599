// Reads the player's settings from config.txt into gameState at start-up; the
// command line's options go through the same checks after the file.
#pragma once

#include <string>
#include <vector>

namespace brindlemoor::app {

// One setting as a line of config.txt gives it ("key=value").
struct Setting {
    std::string key;
    std::string value;
    bool operator==(const Setting& other) const { return key == other.key && value == other.value; }
};

// Settings whose modules keep no field in GameState yet: sound, the history
// file and the word choice. Read like the others, kept here for those modules.
struct AddedSettings {
    bool sound = true;           // sound=on|off
    unsigned volume = 80;        // volume=0..100
    std::string history;         // history=FILE|off; empty: the default file
    bool adaptiveWords = false;  // words=random|adaptive
};
AddedSettings& addedSettings();

// Applies one setting as its config.txt line does: the same limits, the same
// printed line. Unknown keys are ignored without a word.
void applySetting(const std::string& key, const std::string& value);

// Every setting as it stands now, in config.txt's form: applied to a fresh
// game state they give the same settings again (recordings keep these).
std::vector<Setting> settingsInForce();

// What the command line asked for: a configuration file to read in place of
// config.txt (empty: the usual one), and settings applied after the file.
void setCommandLineSettings(const std::string& configFile, const std::vector<Setting>& settings);

// Reads "config.txt" from the working folder, else from
// $XDG_CONFIG_HOME/brindlemoor/; a missing file keeps the defaults and only
// prints a notice. Then applies the command line's settings.
void readConfig();

// The same for a file anywhere (tests, tools); messages still name config.txt.
void readConfigFile(const std::string& path);

}  // namespace brindlemoor::app
