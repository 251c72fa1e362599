// The manual page and the bash completion, written from the game's own table
// of options and config keys so that they say what --help says.
#pragma once

#include <string>

namespace brindlemoor::docgen {

struct Release {
    std::string version;  // "1.0.0"
    std::string date;     // "2026-12-07"
    std::string dataDir;  // the data folder compiled into the game
};

// brindlemoor(6) in man(7) markup.
std::string manPage(const Release& release);

// A bash-completion script for the brindlemoor command.
std::string bashCompletion();

}  // namespace brindlemoor::docgen
