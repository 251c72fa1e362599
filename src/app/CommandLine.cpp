#include "app/CommandLine.h"

#include "app/OptionDocs.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <ostream>

#include <CLI/CLI.hpp>

#include "io/DataLookup.h"

#ifndef BRINDLEMOOR_VERSION
#define BRINDLEMOOR_VERSION "unknown"
#endif

namespace brindlemoor::app {

namespace {

using Check = std::function<std::string(const std::string&)>;

bool allDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
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

std::string dataFolder(const std::string& value) {
    return io::holdsGameData(value) ? "" : "no Resources/ and Shader/ folders in " + value;
}

std::string fileToWrite(const std::string& value) { return value.empty() ? "the file name is empty" : ""; }

std::string existingFile(const std::string& value) {
    std::string name = value;
    return CLI::ExistingFile(name);
}

// One option: its documentation and its check; a row when it sets a setting.
struct OptionSpec {
    OptionDoc doc;
    Check check;
    const SettingRow* row = nullptr;
};

OptionSpec sessionOption(const char* name, const char* valueName, const char* help, Completion completion, Check check) {
    return OptionSpec{OptionDoc{name, valueName, help, {}, completion, ""}, std::move(check), nullptr};
}

// Every option in --help's order: the config file, the table's rows (the
// window size as one option), then the session's.
std::vector<OptionSpec> optionSpecs() {
    std::vector<OptionSpec> specs;
    specs.push_back(sessionOption("--config", "FILE", "read FILE in place of config.txt", Completion::File, existingFile));
    for (const SettingRow& row : settingsTable()) {
        if (std::string(row.key) == "width") {
            OptionSpec size = sessionOption("--size", "WxH", "window size, at most 1920x1080 (0: from the other)",
                                            Completion::Choices, windowSize);
            size.doc.choices = {"640x480", "1280x720", "1920x1080"};  // offered; any size is taken
            size.doc.configKey = "width,height";
            specs.push_back(std::move(size));
        }
        if (row.option[0] == '\0') {
            continue;
        }
        OptionDoc doc{row.option, row.valueName, row.help, {}, row.completion, row.key};
        if (row.completion == Completion::Choices || row.completion == Completion::File) {
            doc.choices = row.choices;
        }
        specs.push_back(OptionSpec{std::move(doc), [&row](const std::string& value) { return refusal(row, value); }, &row});
    }
    specs.push_back(sessionOption("--seed", "N", "the same corridors and words on every run", Completion::None, seedNumber));
    specs.push_back(sessionOption("--daily", "", "play the corridor of the day (every game of the session)",
                                  Completion::None, nullptr));
    specs.push_back(sessionOption("--record", "FILE", "write the session to FILE as it is played", Completion::File,
                                  fileToWrite));
    specs.push_back(sessionOption("--replay", "FILE", "play a recorded session back", Completion::File, existingFile));
    specs.push_back(sessionOption("--data-dir", "DIR", "the folder holding Resources/ and Shader/", Completion::Directory,
                                  dataFolder));
    specs.push_back(sessionOption("--stats", "", "print the history of your games and end", Completion::None, nullptr));
    return specs;
}

// What a replay refuses beside it: whatever would change the recorded game.
bool changesARecordedGame(const OptionSpec& spec) {
    if (spec.row != nullptr) {
        return spec.row->replay == ReplayRule::Recorded;
    }
    return spec.doc.name == "--seed" || spec.doc.name == "--record";
}

}  // namespace

std::vector<OptionDoc> optionDocs() {
    std::vector<OptionDoc> docs = {
        {"--help", "", "Print this help message and exit", {}, Completion::None, ""},
        {"--version", "", "Display program version information and exit", {}, Completion::None, ""}};
    for (OptionSpec& spec : optionSpecs()) {
        docs.push_back(std::move(spec.doc));
    }
    return docs;
}

std::vector<ConfigKeyDoc> configKeyDocs() {
    std::vector<ConfigKeyDoc> docs;
    for (const SettingRow& row : settingsTable()) {
        docs.push_back({row.key, row.byDefault, row.meaning});
    }
    return docs;
}

CommandLine parseCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app("Brindlemoor: type the word on each blackboard before the boy walks into it.", "brindlemoor");
    app.footer("Options override the keys of config.txt, read from the working folder, else from\n"
               "$XDG_CONFIG_HOME/brindlemoor/ (~/.config/brindlemoor/).");
    app.set_version_flag("--version", "brindlemoor " BRINDLEMOOR_VERSION);
    app.get_formatter()->column_width(28);
    // As in config.txt, the last value given wins.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    const std::vector<OptionSpec> specs = optionSpecs();
    std::map<std::string, std::string> values;  // by option name
    std::map<std::string, bool> flags;
    std::map<std::string, CLI::Option*> added;
    for (const OptionSpec& spec : specs) {
        const OptionDoc& doc = spec.doc;
        CLI::Option* option = nullptr;
        if (doc.valueName.empty()) {
            option = app.add_flag(doc.name, flags[doc.name], doc.help);
        } else {
            option = app.add_option(doc.name, values[doc.name], doc.help)
                         ->type_name(doc.valueName)
                         ->option_text(doc.valueName);
            if (spec.check) {
                option->check(CLI::Validator(
                    [check = spec.check](std::string& value) { return check(value); }, "", ""));
            }
        }
        added[doc.name] = option;
    }
    CLI::Option* replay = added.at("--replay");
    for (const OptionSpec& spec : specs) {
        if (changesARecordedGame(spec)) {
            replay->excludes(added.at(spec.doc.name));
        }
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
    // The day gives the seed, and a replay its recording's day. Checked here
    // rather than by CLI11, whose help would print the exclusions of a flag
    // in place of its line.
    for (const char* other : {"--seed", "--replay"}) {
        if (flags["--daily"] && added.at(other)->count() > 0) {
            err << "brindlemoor: --daily excludes " << other << '\n' << app.help();
            result.exitStatus = 2;
            return result;
        }
    }

    Options& options = result.options;
    options.configFile = values["--config"];
    options.seeded = readSeed(values["--seed"], options.seed);
    options.recordFile = values["--record"];
    options.replayFile = values["--replay"];
    options.dataDir = values["--data-dir"];
    options.stats = flags["--stats"];
    options.daily = flags["--daily"];
    for (const OptionSpec& spec : specs) {
        if (added.at(spec.doc.name)->count() == 0) {
            continue;
        }
        const std::string& value = values[spec.doc.name];
        if (spec.doc.name == "--size") {
            const std::string::size_type x = value.find('x');
            options.settings.push_back({"width", value.substr(0, x)});
            options.settings.push_back({"height", value.substr(x + 1)});
        } else if (spec.row != nullptr) {
            options.settings.push_back({spec.row->key, spec.doc.valueName.empty() ? "true" : value});
        }
    }
    return result;
}

}  // namespace brindlemoor::app
