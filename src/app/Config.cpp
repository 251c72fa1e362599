#include "app/Config.h"

#include <fstream>
#include <iostream>
#include <limits>

#include "app/GameState.h"
#include "io/TextLines.h"
#include "io/UserDirs.h"

namespace brindlemoor::app {

namespace {

constexpr unsigned kMaxWidth = 1920;
constexpr unsigned kMaxHeight = 1080;
constexpr unsigned kMaxLevelLength = 99;
constexpr unsigned kMaxVolume = 100;

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

struct CommandLineConfig {
    std::string file;
    std::vector<Setting> settings;
};

CommandLineConfig& commandLine() {
    static CommandLineConfig config;
    return config;
}

bool canRead(const std::string& path) {
    std::ifstream file;
    return io::openTextFile(file, path);
}

}  // namespace

AddedSettings& addedSettings() {
    static AddedSettings settings;
    return settings;
}

void applySetting(const std::string& key, const std::string& value) {
    GameState& state = gameState;
    if (key == "width") {
        unsigned width = readLimited(value, kMaxWidth);
        state.width = static_cast<int>(width);
        std::cout << "setting width to " << width << std::endl;
    } else if (key == "height") {
        unsigned height = readLimited(value, kMaxHeight);
        state.height = static_cast<int>(height);
        std::cout << "setting height to " << height << std::endl;
    } else if (key == "fullscreen") {
        state.fullscreen = value == "true";
        std::cout << "setting fullscreen to " << onOff(state.fullscreen) << std::endl;
    } else if (key == "shader") {
        state.shadowShading = value != "cel";
        std::cout << (state.shadowShading ? "using mormal and shadow mapping shader" : "using cel (toon) shader")
                  << std::endl;
    } else if (key == "antialiasing") {
        state.antialiasing = value == "true";
        std::cout << "setting antialiasing to " << onOff(state.antialiasing) << std::endl;
    } else if (key == "level") {
        state.levelPath = value;
        std::cout << "setting levelpath to " << value << std::endl;
    } else if (key == "levellength") {
        unsigned length = readLimited(value, kMaxLevelLength);
        state.levelLength = static_cast<int>(length);
        std::cout << "setting level length to " << length << std::endl;
    } else if (key == "wordlist") {
        state.wordListPath = value;
        std::cout << "setting wordpath to " << value << std::endl;
    } else if (key == "sound") {
        addedSettings().sound = value != "off";
        std::cout << "setting sound to " << onOff(addedSettings().sound) << std::endl;
    } else if (key == "volume") {
        addedSettings().volume = readLimited(value, kMaxVolume);
        std::cout << "setting volume to " << addedSettings().volume << std::endl;
    } else if (key == "history") {
        addedSettings().history = value;
        std::cout << "setting history to " << value << std::endl;
    } else if (key == "words") {
        addedSettings().adaptiveWords = value == "adaptive";
        std::cout << "setting words to " << (addedSettings().adaptiveWords ? "adaptive" : "random") << std::endl;
    }
}

std::vector<Setting> settingsInForce() {
    const GameState& state = gameState;
    const AddedSettings& added = addedSettings();
    auto flag = [](bool on) { return std::string(on ? "true" : "false"); };
    return {{"width", std::to_string(state.width)},
            {"height", std::to_string(state.height)},
            {"fullscreen", flag(state.fullscreen)},
            {"shader", state.shadowShading ? "normal" : "cel"},
            {"antialiasing", flag(state.antialiasing)},
            {"level", state.levelPath},
            {"levellength", std::to_string(state.levelLength)},
            {"wordlist", state.wordListPath},
            {"sound", onOff(added.sound)},
            {"volume", std::to_string(added.volume)},
            {"history", added.history},
            {"words", added.adaptiveWords ? "adaptive" : "random"}};
}

void setCommandLineSettings(const std::string& configFile, const std::vector<Setting>& settings) {
    commandLine() = CommandLineConfig{configFile, settings};
}

void readConfig() {
    std::string path = commandLine().file;
    if (path.empty()) {
        path = "config.txt";
        const std::string home = io::configHome();
        const std::string personal = home + "/brindlemoor/config.txt";
        if (!canRead(path) && !home.empty() && canRead(personal)) {
            path = personal;
        }
    }
    readConfigFile(path);
    for (const Setting& setting : commandLine().settings) {
        applySetting(setting.key, setting.value);
    }
}

void readConfigFile(const std::string& path) {
    std::ifstream file;
    if (!io::openTextFile(file, path)) {
        std::cout << "Cannot open 'config.txt' file. Falling back to standard settings" << std::endl;
        return;
    }
    std::cout << "reading config file..." << std::endl;

    io::TextLineReader reader(file);
    std::string line;
    // Counts every line except comments; wide so that no file can overflow it.
    long long lineNumber = 0;
    while (reader.next(line)) {
        if (line.compare(0, 2, "//") == 0) {
            continue;
        }
        if (!line.empty()) {
            std::string::size_type equals = line.find('=');
            if (equals == std::string::npos) {
                std::cout << "Error at reading line: " << lineNumber << "in file config.txt" << std::endl;
            } else {
                applySetting(line.substr(0, equals), line.substr(equals + 1));
            }
        }
        ++lineNumber;
    }
}

}  // namespace brindlemoor::app
