#include "app/Fatal.h"

#include <cstdlib>

#include "platform/Console.h"

namespace brindlemoor::app {

void fatal(io::Output& out, const std::string& message) { fatal(out, io::fail(message)); }

void fatal(io::Output& out, const io::Failure& failure) {
    out.line(failure.reason);
    if (failure.detail) {
        out.line(*failure.detail);
    }
    platform::pauseConsole(out);
    std::exit(-1);
}

}  // namespace brindlemoor::app
