// The one way a start-up failure ends the game: its line on standard output,
// the console wait, exit status -1.
#pragma once

#include <string>

namespace brindlemoor::gl {
class ShaderError;
}

namespace brindlemoor::app {

// Prints `message` (and, when given, `detail` on the following line), waits
// for Enter if a person is at the console, then exits with status -1.
[[noreturn]] void fatal(const std::string& message);
[[noreturn]] void fatal(const std::string& message, const std::string& detail);
// A shader program that could not be built: its message, and the driver's
// log for compile and link failures.
[[noreturn]] void fatal(const gl::ShaderError& error);

}  // namespace brindlemoor::app
