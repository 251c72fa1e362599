// The random corridor layout used when no level file is configured or the
// configured one cannot be opened.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "io/Output.h"

namespace brindlemoor::level {

// Block codes of a random corridor of `length` blocks (0 means 2): "DD" first,
// "PP" last, and `length` - 1 drawn blocks in between. `draw` gives the next
// value of the game's random generator (std::rand in the game).
std::vector<std::string> generateLayoutCodes(int length, const std::function<int()>& draw);

// "Printing rand level:", then the codes on one line, closed by
// "Finished generating level!".
void printRandomLayout(const std::vector<std::string>& codes, io::Output& out);

}  // namespace brindlemoor::level
