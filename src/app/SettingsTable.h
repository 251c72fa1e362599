// The one table of settings: every key of config.txt once, with how its value
// is read, the line it prints, its command-line option, what a shell offers for
// it and whether a replay takes it from the recording. The config reader, the
// command line (and so --help, the manual page and the completion) and the
// recording header all go by it. A new setting is one row in SettingsTable.cpp.
#pragma once

#include <string>
#include <vector>

#include "app/Settings.h"
#include "io/Output.h"

namespace brindlemoor::app {

struct GameState;

// Where the values live: the design's settings are GameState's fields, the
// game's own are the session's Settings.
struct SettingsTarget {
    GameState& game;
    Settings& settings;
};

// What a shell offers for an option's value.
enum class Completion { None, File, Directory, Choices };

// How a replay treats a setting.
enum class ReplayRule {
    Recorded,     // it shapes the game: the recording's value, and the option is refused with --replay
    Overridable,  // how it looks or sounds: the recording's value unless the command line gives one
    Ignored,      // the player's own files: a replay writes none, whatever is given
};

struct SettingRow {
    // The design's own keys keep the lenient reading config.txt has always
    // given them (numbers like atoi, any other word a switch's "off"); the
    // game's own keys take in config.txt only what the command line takes.
    bool design;
    const char* key;        // config.txt's key
    const char* option;     // the command-line option, "" when there is none
    const char* valueName;  // the value as --help shows it ("N", "FILE", "on|off"); "" for a flag
    const char* help;       // --help's line
    const char* byDefault;  // the default as config.txt writes it
    const char* meaning;    // for the manual page
    std::vector<std::string> choices;  // the values a shell offers
    Completion completion;
    ReplayRule replay;
    // Reads a value as config.txt gives it, stores it and prints its line.
    void (*apply)(const std::string& value, SettingsTarget& target, io::Output& out);
    // The value in force, as config.txt would give it.
    std::string (*inForce)(const SettingsTarget& target);
    // Why a command-line value is refused; "" when it is taken. Without a
    // check, a row completed by its choices takes those, any other anything.
    std::string (*check)(const std::string& value);
};

const std::vector<SettingRow>& settingsTable();
// The row of a key; null for a key the game does not know.
const SettingRow* findSetting(const std::string& key);

// Why `value` is refused for the row's option; "" when it is taken.
std::string refusal(const SettingRow& row, const std::string& value);

// Applies one setting as its config.txt line does: the same limits, the same
// printed line. Unknown keys are ignored without a word; a value the game's
// own key refuses gets one line and changes nothing.
void applySetting(const Setting& setting, SettingsTarget& target, io::Output& out);

// Every setting in force, in table order, in config.txt's form: applied to
// fresh records they give the same settings again (recordings keep these).
std::vector<Setting> settingsInForce(const SettingsTarget& target);

}  // namespace brindlemoor::app
