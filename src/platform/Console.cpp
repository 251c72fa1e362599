#include "platform/Console.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace brindlemoor::platform {

void pauseConsole() {
    std::cout.flush();
    if (::isatty(STDIN_FILENO) == 0) {
        return;
    }
    std::cout << "Press Enter to continue . . ." << std::flush;
    int c = 0;
    while ((c = std::getchar()) != '\n' && c != EOF) {
    }
}

}  // namespace brindlemoor::platform
