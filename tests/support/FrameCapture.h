// Reading back what was drawn: the window's colour buffer, pixels of world
// points, and small RGB TGA files for reference pictures.
#pragma once

#include <string>
#include <vector>

#include <glm/vec3.hpp>

#include "io/TgaImage.h"

namespace brindlemoor::test {

struct Rgb {
    int r = 0, g = 0, b = 0;
    int brightness() const { return r + g + b; }
};

// A picture as the game's TGA reader gives it (io::decodeTgaFile reads a
// reference picture into one), bottom row first.
struct Frame : io::Image {
    Rgb at(int x, int y) const;  // y counted from the bottom
};

// Draws the current game's frame again (shadow pass and scene pass) and reads
// the back buffer before any swap; `cullObjects` false draws every object.
Frame redrawAndCapture(bool cullObjects = true);

// Window pixel (x from the left, y from the bottom) where the game's camera
// sees a world point.
bool pixelOf(const glm::vec3& world, int& x, int& y);

// Writes the frame as a 24-bit TGA file.
bool writeRgbTga(const std::string& path, const Frame& frame);

// Share of pixels whose channels differ by more than `tolerance`.
double differingShare(const Frame& a, const Frame& b, int tolerance);

}  // namespace brindlemoor::test
