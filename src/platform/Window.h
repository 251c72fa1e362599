// The window, context and event calls of the game, with the meanings of the
// classic GLFW 2 calls the game was designed around, implemented on GLFW 3.
#pragma once

#include <string>

namespace brindlemoor::platform {

// Targets of openWindowHint (GLFW 3's numbers).
namespace hint {
constexpr int FsaaSamples = 0x0002100D;         // samples per pixel
constexpr int OpenglVersionMajor = 0x00022002;
constexpr int OpenglVersionMinor = 0x00022003;
constexpr int OpenglProfile = 0x00022008;
constexpr int Visible = 0x00020004;             // 0: a hidden window (tests, benchmark)
constexpr int DebugContext = 0x00022007;        // 1: the driver explains its errors (tests)
constexpr int OpenglCoreProfile = 0x00032001;   // value for OpenglProfile
}  // namespace hint

enum class WindowMode { Window, Fullscreen };

// glfwInit; 1 on success, 0 on failure.
int init();
// Closes the window (if any) and shuts GLFW down.
void terminate();

void openWindowHint(int target, int value);

// Opens the one window and makes its context current. Colour, alpha and
// stencil bits of 0 mean "whatever the system gives". A width and height of 0
// give 640 x 480; one of them 0 is derived from the other at 4:3. Returns 1 on
// success, 0 on failure.
int openWindow(int width, int height, int redBits, int greenBits, int blueBits, int alphaBits,
               int depthBits, int stencilBits, WindowMode mode);

// The window size 2.7 would have asked for (exposed for tests).
void resolveWindowSize(int& width, int& height);

void setWindowTitle(const std::string& title);
// Swaps the buffers and then processes pending window and key events.
void swapBuffers();
// Processes pending window and key events now. Keys are stamped with the time
// they are handed over, so the more often this runs the closer that is to the
// time they went down; events after a gap longer than kPressTimeTolerance are
// marked as of unknown press time.
void pollEvents();
constexpr double kPressTimeTolerance = 0.025;
// False once the user has asked to close the window (or none is open).
bool windowOpened();
// Size of the window's framebuffer in pixels (0 x 0 without a window).
void framebufferSize(int& width, int& height);
// Asks for another window size, as a player dragging its border does (tests).
void setWindowSize(int width, int height);

using ProcAddress = void (*)();
ProcAddress getProcAddress(const char* name);

// Maps a key GLFW reports to the upper-case letter it types on the current
// layout, from the key's layout name; 0 when it is not a letter key.
int letterFromKeyName(const char* layoutName, int glfwKey);

}  // namespace brindlemoor::platform
