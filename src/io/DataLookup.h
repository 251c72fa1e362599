// Finding the data folder (the one holding Resources/ and Shader/) wherever
// the game is started from: the repository root, an install prefix, a package.
#pragma once

#include <string>

#include "io/Result.h"

namespace brindlemoor::io {

// The places to look, first to last. Empty strings are skipped.
struct DataSearch {
    std::string option;       // --data-dir
    std::string environment;  // $BRINDLEMOOR_DATA
    // The working folder comes next (as "", so paths stay relative).
    std::string executable;   // the running program; ../share/brindlemoor, then
                              // ../share/games/brindlemoor beside its folder
    std::string installed;    // the data folder compiled in at install time
};

// The search for this process: `option` plus the environment, /proc/self/exe
// and the compiled-in folder.
DataSearch dataSearchFor(const std::string& option);

// True when `folder` ("" for the working folder) holds Resources/ and Shader/.
bool holdsGameData(const std::string& folder);

// The first folder holding the data ("" for the working folder), or the line
// that names every folder looked in (as absolute paths, each once).
Result<std::string> findDataFolder(const DataSearch& search);

}  // namespace brindlemoor::io
