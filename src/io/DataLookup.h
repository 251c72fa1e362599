// Finding the data folder (the one holding Resources/ and Shader/) wherever
// the game is started from: the repository root, an install prefix, a package.
#pragma once

#include <string>
#include <vector>

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

struct DataLookup {
    bool found = false;
    std::string folder;               // for setDataDirectory; "" is the working folder
    std::vector<std::string> tried;   // every folder looked in, as absolute paths, no repeats
};

DataLookup findDataFolder(const DataSearch& search);

// The line printed when no folder holds the data.
std::string dataNotFoundMessage(const DataLookup& lookup);

}  // namespace brindlemoor::io
