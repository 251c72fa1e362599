// The game's command line: an option for most rows of the settings table,
// applied after config.txt, and the options of the session itself (the
// config file, the seed, recording and replay, the data folder, the report).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/SettingsTable.h"

namespace brindlemoor::app {

struct Options {
    std::string configFile;          // --config; empty: config.txt as usual
    std::vector<Setting> settings;   // config keys set by options, applied after the file
    bool seeded = false;             // --seed given
    std::uint64_t seed = 0;
    std::string recordFile;          // --record
    std::string replayFile;          // --replay
    std::string dataDir;             // --data-dir
    bool stats = false;              // --stats
    bool daily = false;              // --daily
};

struct CommandLine {
    Options options;
    // 0 after --help or --version, 2 after a bad option; -1: go on and play.
    int exitStatus = -1;
};

// Parses the arguments. Help and version go to `out`; a bad option or value
// gets one line and the usage on `err`. Nothing else is printed.
CommandLine parseCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace brindlemoor::app
