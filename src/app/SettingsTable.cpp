#include "app/SettingsTable.h"

#include <sys/stat.h>

#include <algorithm>
#include <limits>

#include "app/GameState.h"

namespace brindlemoor::app {

namespace {

// ---- reading values ----------------------------------------------------------

bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Number settings behave like atoi whose result is taken as unsigned and capped:
// "-5" wraps to a huge value and ends at the cap, letters give 0. Parsed by hand
// because atoi is undefined past the int range and stops at an embedded NUL;
// any such out-of-range number also ends at the cap.
unsigned readLimited(const std::string& text, unsigned limit) {
    std::string::size_type i = 0;
    while (i < text.size() && isCSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > std::numeric_limits<int>::max()) {
            return limit;
        }
    }
    if (negative && magnitude != 0) {
        return limit;  // wraps to at least 2^31 as unsigned
    }
    return magnitude < limit ? static_cast<unsigned>(magnitude) : limit;
}

const char* onOff(bool on) { return on ? "on" : "off"; }
std::string flag(bool on) { return on ? "true" : "false"; }

// ---- command-line checks (form only: config.txt's limits apply after) --------

bool allDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string wholeNumber(const std::string& value) { return allDigits(value) ? "" : value + " is not a whole number"; }

// A whole number, with a sign if need be: the volume, which is then held to 0..100.
std::string signedWholeNumber(const std::string& value) {
    const bool signedValue = !value.empty() && (value[0] == '-' || value[0] == '+');
    return allDigits(signedValue ? value.substr(1) : value) ? "" : value + " is not a whole number from 0 to 100";
}

unsigned clampedVolume(const std::string& value) {
    const bool negative = !value.empty() && value[0] == '-';
    const std::string digits = value.substr(negative || (!value.empty() && value[0] == '+') ? 1 : 0);
    unsigned volume = 0;
    for (const char c : digits) {
        volume = std::min(100u, volume * 10 + static_cast<unsigned>(c - '0'));
    }
    return negative ? 0u : volume;
}

std::string existingFile(const std::string& value) {
    struct stat info {};
    return ::stat(value.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) ? "" : "File does not exist: " + value;
}

// An empty level file name asks for a random corridor, as in config.txt.
std::string levelFile(const std::string& value) { return value.empty() ? "" : existingFile(value); }


// ---- the limits of the numbers -----------------------------------------------

constexpr unsigned kMaxWidth = 1920;
constexpr unsigned kMaxHeight = 1080;
constexpr unsigned kMaxLevelLength = 99;

using Target = SettingsTarget;

// ---- the table -----------------------------------------------------------------

const std::vector<SettingRow> kTable = {
    {true, "width", "", "", "", "1280", "window width in pixels, at most 1920 (0: from the height at 4:3)", {},
     Completion::None, ReplayRule::Overridable,
     [](const std::string& v, Target& t, io::Output& out) {
         const unsigned width = readLimited(v, kMaxWidth);
         t.game.width = static_cast<int>(width);
         out.line("setting width to ", width);
     },
     [](const Target& t) { return std::to_string(t.game.width); }, wholeNumber},
    {true, "height", "", "", "", "720", "window height in pixels, at most 1080 (0: from the width at 4:3)", {},
     Completion::None, ReplayRule::Overridable,
     [](const std::string& v, Target& t, io::Output& out) {
         const unsigned height = readLimited(v, kMaxHeight);
         t.game.height = static_cast<int>(height);
         out.line("setting height to ", height);
     },
     [](const Target& t) { return std::to_string(t.game.height); }, wholeNumber},
    {true, "fullscreen", "--fullscreen", "", "full screen", "false", "true for full screen", {"true", "false"},
     Completion::None, ReplayRule::Overridable,
     [](const std::string& v, Target& t, io::Output& out) {
         t.game.fullscreen = v == "true";
         out.line("setting fullscreen to ", onOff(t.game.fullscreen));
     },
     [](const Target& t) { return flag(t.game.fullscreen); }, nullptr},
    {true, "shader", "--shader", "cel|normal", "toon shading, or lights and shadows", "normal",
     "cel for toon shading with outlines; any other value for normal mapping, five lights and shadows",
     {"cel", "normal"}, Completion::Choices, ReplayRule::Overridable,
     [](const std::string& v, Target& t, io::Output& out) {
         t.game.shadowShading = v != "cel";
         out.line(t.game.shadowShading ? "using mormal and shadow mapping shader" : "using cel (toon) shader");
     },
     [](const Target& t) { return std::string(t.game.shadowShading ? "normal" : "cel"); },
     nullptr},
    {true, "antialiasing", "", "", "", "false", "true for 4x multisampling", {"true", "false"}, Completion::None,
     ReplayRule::Overridable,
     [](const std::string& v, Target& t, io::Output& out) {
         t.game.antialiasing = v == "true";
         out.line("setting antialiasing to ", onOff(t.game.antialiasing));
     },
     [](const Target& t) { return flag(t.game.antialiasing); }, nullptr},
    {true, "level", "--level", "FILE", "a level file (\"\" for a random corridor)", "",
     "a level file, one block code a line; empty for a random corridor", {}, Completion::File, ReplayRule::Recorded,
     [](const std::string& v, Target& t, io::Output& out) {
         t.game.levelPath = v;
         out.line("setting levelpath to ", v);
     },
     [](const Target& t) { return t.game.levelPath; }, levelFile},
    {true, "levellength", "--length", "N", "blocks of a random corridor, at most 99", "0",
     "blocks of a random corridor (0 gives 2), or the most codes read from a level file (0 means 99); at most 99",
     {}, Completion::None, ReplayRule::Recorded,
     [](const std::string& v, Target& t, io::Output& out) {
         const unsigned length = readLimited(v, kMaxLevelLength);
         t.game.levelLength = static_cast<int>(length);
         out.line("setting level length to ", length);
     },
     [](const Target& t) { return std::to_string(t.game.levelLength); }, wholeNumber},
    {true, "wordlist", "--wordlist", "FILE", "the words to type, one a line", "Resources/Wordlists/default.txt",
     "the word list: one word of the letters A to Z a line", {}, Completion::File, ReplayRule::Recorded,
     [](const std::string& v, Target& t, io::Output& out) {
         t.game.wordListPath = v;
         out.line("setting wordpath to ", v);
     },
     [](const Target& t) { return t.game.wordListPath; }, existingFile},
    {false, "sound", "--sound", "on|off", "sound on or off", "on", "off for a silent game", {"on", "off"},
     Completion::Choices, ReplayRule::Overridable,
     [](const std::string& v, Target& t, io::Output& out) {
         t.settings.sound = v != "off";
         out.line("setting sound to ", onOff(t.settings.sound));
     },
     [](const Target& t) { return std::string(onOff(t.settings.sound)); }, nullptr},
    {false, "volume", "--volume", "N", "sound volume, 0 to 100", "80", "loudness of the sounds, 0 to 100", {},
     Completion::None, ReplayRule::Overridable,
     [](const std::string& v, Target& t, io::Output& out) {
         t.settings.volume = clampedVolume(v);
         out.line("setting volume to ", t.settings.volume);
     },
     [](const Target& t) { return std::to_string(t.settings.volume); }, signedWholeNumber},
    {false, "history", "--history", "FILE|off", "the history file, or off for none", "",
     "the history file; empty for $XDG_DATA_HOME/brindlemoor/history.sqlite3, off to keep none", {"off"},
     Completion::File, ReplayRule::Ignored,
     [](const std::string& v, Target& t, io::Output& out) {
         t.settings.history = v;
         out.line("setting history to ", v);
     },
     [](const Target& t) { return t.settings.history; }, nullptr},
    {false, "words", "--words", "random|adaptive", "adaptive: more of the letters you miss", "random",
     "adaptive to practise the letters you miss and type slowly most; random for words drawn at random",
     {"random", "adaptive"}, Completion::Choices, ReplayRule::Recorded,
     [](const std::string& v, Target& t, io::Output& out) {
         t.settings.adaptiveWords = v == "adaptive";
         out.line("setting words to ", t.settings.adaptiveWords ? "adaptive" : "random");
     },
     [](const Target& t) { return std::string(t.settings.adaptiveWords ? "adaptive" : "random"); },
     nullptr},
    {false, "pace", "--pace", "fixed|adaptive", "adaptive: the boy walks as fast as you type", "fixed",
     "adaptive to set the boy's speed again at each board from how you type (faster after a board made in time, "
     "slower after a bump, 2.5 to 30 units a second); fixed for 5 units a second",
     {"fixed", "adaptive"}, Completion::Choices, ReplayRule::Recorded,
     [](const std::string& v, Target& t, io::Output& out) {
         t.settings.adaptivePace = v == "adaptive";
         out.line("setting pace to ", t.settings.adaptivePace ? "adaptive" : "fixed");
     },
     [](const Target& t) { return std::string(t.settings.adaptivePace ? "adaptive" : "fixed"); }, nullptr},
    {false, "ghost", "--ghost", "on|off", "race a ghost of your best run on a corridor played before", "on",
     "off for no ghost; on to race a see-through boy walking your best run on a corridor you played before "
     "(the same level file or seed, or the corridor of the day)",
     {"on", "off"}, Completion::Choices, ReplayRule::Recorded,
     [](const std::string& v, Target& t, io::Output& out) {
         t.settings.ghost = v != "off";
         out.line("setting ghost to ", onOff(t.settings.ghost));
     },
     [](const Target& t) { return std::string(onOff(t.settings.ghost)); }, nullptr},
};

}  // namespace

const std::vector<SettingRow>& settingsTable() { return kTable; }

const SettingRow* findSetting(const std::string& key) {
    for (const SettingRow& row : kTable) {
        if (key == row.key) {
            return &row;
        }
    }
    return nullptr;
}

std::string refusal(const SettingRow& row, const std::string& value) {
    if (row.check != nullptr) {
        return row.check(value);
    }
    if (row.completion != Completion::Choices ||
        std::find(row.choices.begin(), row.choices.end(), value) != row.choices.end()) {
        return "";
    }
    std::string list;
    for (const std::string& choice : row.choices) list += (list.empty() ? "" : ", ") + choice;
    return value + " is not one of " + list;
}

void applySetting(const Setting& setting, SettingsTarget& target, io::Output& out) {
    const SettingRow* row = findSetting(setting.key);
    if (row == nullptr) {
        return;
    }
    const std::string refused = row->design ? "" : refusal(*row, setting.value);
    if (!refused.empty()) {
        out.line("Setting ", setting.key, " left as it was: ", refused);
        return;
    }
    row->apply(setting.value, target, out);
}

std::vector<Setting> settingsInForce(const SettingsTarget& target) {
    std::vector<Setting> settings;
    for (const SettingRow& row : kTable) {
        settings.push_back({row.key, row.inForce(target)});
    }
    return settings;
}

}  // namespace brindlemoor::app
