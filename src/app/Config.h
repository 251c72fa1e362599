// Reads the player's settings from config.txt into gameState at start-up.
#pragma once

#include <string>

namespace brindlemoor::app {

// Reads "config.txt" in the working directory. A missing file keeps the
// defaults and only prints a notice.
void readConfig();

// The same for a file anywhere (tests, tools); messages still name config.txt.
void readConfigFile(const std::string& path);

}  // namespace brindlemoor::app
