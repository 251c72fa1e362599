// Reading a hand-made corridor layout from a level file: one block code per
// non-empty line.
#pragma once

#include <string>
#include <vector>

#include "io/Output.h"

namespace brindlemoor::level {

// Fills `codes` with at most `length` block codes (0 means 99) from the file at
// `path`, each exactly as written; empty lines are skipped. False (and `codes`
// empty) when the file cannot be opened or read.
bool readLevelCodes(const std::string& path, int length, std::vector<std::string>& codes);

// "Printing read level:", then every code followed by " . " on one line, left
// open for the corridor builder's first message.
void printReadLevel(const std::vector<std::string>& codes, io::Output& out);

}  // namespace brindlemoor::level
