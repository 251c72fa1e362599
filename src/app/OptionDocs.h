// What the manual page and the shell completion say about the command line
// and config.txt: every option as --help shows it (the same list the command
// line is built from), every key as the settings table holds it.
#pragma once

#include <string>
#include <vector>

#include "app/SettingsTable.h"

namespace brindlemoor::app {

struct OptionDoc {
    using Completion = app::Completion;
    std::string name;                  // "--shader"
    std::string valueName;             // "cel|normal", "FILE", "N", "WxH"; "" for a flag
    std::string help;                  // the one line --help shows
    std::vector<std::string> choices;  // the values to offer; empty when free
    Completion completion = Completion::None;
    std::string configKey;             // the config.txt key it sets, "" when none
                                       // (keys joined by commas when it sets several)
};

struct ConfigKeyDoc {
    std::string key;
    std::string defaultValue;
    std::string meaning;
};

// Every option --help shows, in --help's order.
std::vector<OptionDoc> optionDocs();

// Every config.txt key, in config.txt's order.
std::vector<ConfigKeyDoc> configKeyDocs();

}  // namespace brindlemoor::app
