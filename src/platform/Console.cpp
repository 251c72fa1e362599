#include "platform/Console.h"

#include <unistd.h>

#include <cstdio>

#include "io/Output.h"

namespace brindlemoor::platform {

void pauseConsole(io::Output& out) {
    if (::isatty(STDIN_FILENO) == 0) {
        return;
    }
    out.text("Press Enter to continue . . .");
    int c = 0;
    while ((c = std::getchar()) != '\n' && c != EOF) {
    }
}

}  // namespace brindlemoor::platform
