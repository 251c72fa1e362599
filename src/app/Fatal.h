// The one way a start-up failure ends the game: its line on standard output,
// the console wait, exit status -1.
#pragma once

#include <string>

#include "io/Output.h"
#include "io/Result.h"

namespace brindlemoor::app {

// Prints `message`, waits for Enter if a person is at the console, then exits
// with status -1.
[[noreturn]] void fatal(io::Output& out, const std::string& message);
// The same for a failure, with its second line when it has one (a shader's
// compile or link log).
[[noreturn]] void fatal(io::Output& out, const io::Failure& failure);

}  // namespace brindlemoor::app
