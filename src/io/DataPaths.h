// Where the game's own files (Resources/, Shader/) are read from. Their names
// stay the relative paths the game has always used ("Resources/...",
// "Shader/..."); they are resolved against one data folder, found at start-up.
#pragma once

#include <string>

namespace brindlemoor::io {

// Sets the data folder; an empty folder means the working folder.
void setDataDirectory(const std::string& directory);
const std::string& dataDirectory();

// The path to open for a data file named by its relative path. Absolute paths
// and names without a data folder come back unchanged.
std::string dataPath(const std::string& relative);

}  // namespace brindlemoor::io
