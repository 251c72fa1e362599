// A picture being painted: colours as doubles in 0..1, addressed with y = 0 at
// the bottom row, so pixel rows run the same way as texture v.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

struct Colour {
    double r = 0.0, g = 0.0, b = 0.0, a = 1.0;
};

Colour mix(const Colour& a, const Colour& b, double t);
Colour scaled(const Colour& c, double factor);  // rgb only
Colour rgb(int r, int g, int b);

class Canvas {
public:
    Canvas(int width, int height, bool hasAlpha, Colour fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    bool hasAlpha() const { return hasAlpha_; }

    const Colour& at(int x, int y) const;
    Colour& at(int x, int y);
    // Coordinates wrap around the edges, as the game samples with GL_REPEAT.
    const Colour& wrapped(int x, int y) const;

    void fillRect(int x0, int y0, int x1, int y1, const Colour& c);  // x1, y1 exclusive

    // 8-bit channels, bottom row first: RGB or RGBA per pixel.
    std::vector<std::uint8_t> bytes() const;

private:
    int width_;
    int height_;
    bool hasAlpha_;
    std::vector<Colour> pixels_;
};

// A height field of the same addressing, turned into a tangent-space normal
// map: x follows u, y follows v, flat is (128, 128, 255).
class HeightField {
public:
    HeightField(int width, int height, double fill = 0.0);
    int width() const { return width_; }
    int height() const { return height_; }
    double& at(int x, int y);
    double at(int x, int y) const;
    double wrapped(int x, int y) const;

    // `strength` scales the slopes. Columns always wrap (every texture repeats
    // along u); rows wrap only for textures that also repeat along v.
    Canvas toNormalMap(double strength, bool wrapRows) const;

private:
    int width_;
    int height_;
    std::vector<double> values_;
};

}  // namespace assetgen
