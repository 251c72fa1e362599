// Reading the player's settings from config.txt at start-up; the command
// line's settings go through the same rows of the settings table after it.
#pragma once

#include <string>
#include <vector>

#include "app/SettingsTable.h"

namespace brindlemoor::app {

// The file to read: `configOption` (--config) when given, else config.txt in
// the working folder, else $XDG_CONFIG_HOME/brindlemoor/config.txt when that
// one can be read (and config.txt, missing, otherwise).
std::string configFileToRead(const std::string& configOption);

// Reads a config file into `target`; a missing or unreadable file keeps the
// defaults and only prints a notice. Messages name config.txt whatever the file.
void readConfigFile(const std::string& path, SettingsTarget& target, io::Output& out);

// The start-up read: the file, then the command line's settings after it.
void readConfig(const std::string& configOption, const std::vector<Setting>& commandLine, SettingsTarget& target,
                io::Output& out);

}  // namespace brindlemoor::app
