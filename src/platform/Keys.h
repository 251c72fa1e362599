// Key numbers the game asks the platform layer about. Letters are the upper-case
// characters 'A' to 'Z' (what the key types on the current keyboard layout);
// the other keys use GLFW 3's numbering.
#pragma once

namespace brindlemoor::platform::key {

constexpr int Escape = 256;
constexpr int Right = 262;
constexpr int Left = 263;
constexpr int Down = 264;
constexpr int Up = 265;
constexpr int Pause = 284;
constexpr int F1 = 290;
constexpr int F2 = 291;
constexpr int F3 = 292;
constexpr int F4 = 293;
constexpr int F5 = 294;
constexpr int F6 = 295;
constexpr int F7 = 296;
constexpr int F8 = 297;
constexpr int F9 = 298;
constexpr int F10 = 299;
constexpr int F11 = 300;
constexpr int F12 = 301;
// One past the highest key number the layer tracks.
constexpr int Count = 349;
// Not a key: the window gained or lost focus (in KeyEvent only).
constexpr int Focus = 400;

}  // namespace brindlemoor::platform::key
