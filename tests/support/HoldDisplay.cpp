// Keeps one connection to the display open for as long as the ctest run that
// started it. An X server such as Xvfb under xvfb-run resets when its last
// client leaves and drops a client that connects during the reset, so a test
// program or game that started just as another ended could not open its window
// ("Failed to init glfw"). With this connection held the last client never
// leaves while the suite runs. Connects before it returns, so the tests that
// need the display start after it holds.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

int main() {
    if (std::getenv("DISPLAY") == nullptr) {
        std::puts("no display to hold");
        return 0;
    }
    if (glfwInit() != GLFW_TRUE) {
        std::puts("cannot connect to the display");
        return 1;
    }
    const pid_t run = getppid();  // ctest, which waits for this process only
    const pid_t holder = fork();
    if (holder != 0) {
        std::printf("holding the display while process %d runs\n", static_cast<int>(run));
        std::fflush(stdout);
        _exit(holder > 0 ? 0 : 1);  // the connection stays with the holder
    }
    setsid();
    const int nowhere = open("/dev/null", O_RDWR);
    for (int stream = 0; stream < 3; ++stream) {
        dup2(nowhere, stream);  // ctest waits for its output pipes to close
    }
    // Events are taken and dropped; losing the server ends the process in Xlib.
    while (kill(run, 0) == 0) {
        glfwWaitEventsTimeout(1.0);
    }
    glfwTerminate();
    return 0;
}
