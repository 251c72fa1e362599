// Helpers shared by the fuzz harnesses: readers that take a path get the input
// as a scratch file, and the chatty ones get a standard output that goes nowhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "io/Output.h"

namespace brindlemoor::fuzz {

// Writes the bytes to this process's scratch file (rewritten on every call,
// removed at exit) and returns its path.
const std::string& writeScratchFile(const std::uint8_t* data, std::size_t size);

// An output that goes nowhere: the readers print a line per setting, which
// would swamp the fuzzer's own reports.
io::Output& nowhere();

// Ends the process with a message on standard error when an invariant of a
// reader's result does not hold; the fuzzer records the input as a crash.
void require(bool condition, const char* what);

}  // namespace brindlemoor::fuzz
