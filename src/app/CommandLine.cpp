#include "app/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include <CLI/CLI.hpp>

#include "io/DataLookup.h"

#ifndef BRINDLEMOOR_VERSION
#define BRINDLEMOOR_VERSION "unknown"
#endif

namespace brindlemoor::app {

namespace {

bool allDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Numbers are checked for form only; config.txt's limits apply after, so an
// option and a line of the file give the same value.
std::string wholeNumber(const std::string& value) {
    return allDigits(value) ? "" : value + " is not a whole number";
}

std::string windowSize(const std::string& value) {
    const std::string::size_type x = value.find('x');
    if (x == std::string::npos || !allDigits(value.substr(0, x)) || !allDigits(value.substr(x + 1))) {
        return value + " is not a size such as 1280x720";
    }
    return "";
}

bool readSeed(const std::string& value, std::uint64_t& seed) {
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, seed);
    return allDigits(value) && error == std::errc() && stop == end;
}

std::string seedNumber(const std::string& value) {
    std::uint64_t seed = 0;
    return readSeed(value, seed) ? "" : value + " is not a whole number from 0 to 18446744073709551615";
}

// An empty level file name asks for a random corridor, as in config.txt.
std::string levelFile(const std::string& value) {
    std::string name = value;
    return value.empty() ? "" : CLI::ExistingFile(name);
}

std::string dataFolder(const std::string& value) {
    return io::holdsGameData(value) ? "" : "no Resources/ and Shader/ folders in " + value;
}

}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app("Brindlemoor: type the word on each blackboard before the boy walks into it.", "brindlemoor");
    app.footer("Options override the keys of config.txt, read from the working folder, else from\n"
               "$XDG_CONFIG_HOME/brindlemoor/ (~/.config/brindlemoor/).");
    app.set_version_flag("--version", "brindlemoor " BRINDLEMOOR_VERSION);
    app.get_formatter()->column_width(28);
    // As in config.txt, the last value given wins.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    std::string config, level, length, wordList, shader, size, seed, record, replay, dataDir;
    std::string sound, volume, history, words;
    bool fullscreen = false;
    bool stats = false;
    // An option with a value, shown and reported by the value's name.
    auto valued = [&app](const char* name, std::string& value, const char* help, const char* valueName) {
        return app.add_option(name, value, help)->type_name(valueName)->option_text(valueName);
    };
    valued("--config", config, "read FILE in place of config.txt", "FILE")->check(CLI::ExistingFile);
    CLI::Option* levelOption = valued("--level", level, "a level file (\"\" for a random corridor)", "FILE");
    levelOption->check(levelFile);
    CLI::Option* lengthOption = valued("--length", length, "blocks of a random corridor, at most 99", "N");
    lengthOption->check(wholeNumber);
    CLI::Option* wordListOption = valued("--wordlist", wordList, "the words to type, one a line", "FILE");
    wordListOption->check(CLI::ExistingFile);
    CLI::Option* shaderOption = valued("--shader", shader, "toon shading, or lights and shadows", "cel|normal");
    shaderOption->check(CLI::IsMember({"cel", "normal"}));
    valued("--size", size, "window size, at most 1920x1080 (0: from the other)", "WxH")->check(windowSize);
    app.add_flag("--fullscreen", fullscreen, "full screen");
    CLI::Option* seedOption = valued("--seed", seed, "the same corridors and words on every run", "N");
    seedOption->check(seedNumber);
    CLI::Option* recordOption = valued("--record", record, "write the session to FILE as it is played", "FILE");
    CLI::Option* replayOption = valued("--replay", replay, "play a recorded session back", "FILE");
    replayOption->check(CLI::ExistingFile);
    valued("--data-dir", dataDir, "the folder holding Resources/ and Shader/", "DIR")->check(dataFolder);
    app.add_flag("--stats", stats, "print the history of your games and end");
    CLI::Option* soundOption = valued("--sound", sound, "sound on or off", "on|off");
    soundOption->check(CLI::IsMember({"on", "off"}));
    CLI::Option* volumeOption = valued("--volume", volume, "sound volume, 0 to 100", "N");
    volumeOption->check(wholeNumber);
    CLI::Option* wordsOption = valued("--words", words, "adaptive: more of the letters you miss", "random|adaptive");
    wordsOption->check(CLI::IsMember({"random", "adaptive"}));
    CLI::Option* historyOption = valued("--history", history, "the history file, or off for none", "FILE|off");
    // A replay plays the recorded game: what would change that game cannot be
    // given with it.
    for (CLI::Option* changesTheGame : {recordOption, seedOption, levelOption, lengthOption, wordListOption, wordsOption}) {
        replayOption->excludes(changesTheGame);
    }

    CommandLine result;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        result.exitStatus = 0;
        return result;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        result.exitStatus = 0;
        return result;
    } catch (const CLI::ParseError& error) {
        err << "brindlemoor: " << error.what() << '\n' << app.help();
        result.exitStatus = 2;
        return result;
    }

    Options& options = result.options;
    options.configFile = config;
    options.seeded = readSeed(seed, options.seed);
    options.recordFile = record;
    options.replayFile = replay;
    options.dataDir = dataDir;
    options.stats = stats;
    std::vector<Setting>& settings = options.settings;
    if (!size.empty()) {
        const std::string::size_type x = size.find('x');
        settings.push_back({"width", size.substr(0, x)});
        settings.push_back({"height", size.substr(x + 1)});
    }
    if (fullscreen) {
        settings.push_back({"fullscreen", "true"});
    }
    const struct {
        const char* key;
        const CLI::Option* option;
        const std::string& value;
    } given[] = {{"shader", shaderOption, shader},   {"level", levelOption, level},
                  {"levellength", lengthOption, length}, {"wordlist", wordListOption, wordList},
                  {"sound", soundOption, sound},      {"volume", volumeOption, volume},
                  {"history", historyOption, history}, {"words", wordsOption, words}};
    for (const auto& option : given) {
        if (option.option->count() > 0) {
            settings.push_back({option.key, option.value});
        }
    }
    return result;
}

}  // namespace brindlemoor::app
