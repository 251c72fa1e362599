// Stair well: three horizontal bands, each repeating along u. Top half pale
// plaster for the walls and ceiling, then grey concrete, then the wooden tread
// with a dark ribbed nosing along its front edge (v = 0).
#include <cmath>

#include "DetMath.h"
#include "Noise.h"
#include "Textures.h"

namespace assetgen {

namespace {

constexpr int kSize = 128;
constexpr int kConcreteRow = 32;  // rows 32..63
constexpr int kPlasterRow = 64;   // rows 64..127
constexpr int kNosingRows = 5;    // rows 0..4 of the tread band
constexpr int kPlankJoints[] = {15, 24};

Colour plasterPixel(int x, int y) {
    const double tone = 1.0 + (fractalNoise(x, y, 32.0, 4, 0, 3, 51u) - 0.5) * 0.12 +
                        (valueNoise(x, y, 2.0, 64, 0, 52u) - 0.5) * 0.06;
    return scaled(rgb(206, 200, 182), tone);
}

Colour concretePixel(int x, int y) {
    double tone = 1.0 + (fractalNoise(x, y, 16.0, 8, 0, 3, 53u) - 0.5) * 0.18;
    const double pebble = hash01(x, y, 54u);
    if (pebble > 0.93) tone *= 0.8;
    if (pebble < 0.04) tone *= 1.15;
    return scaled(rgb(138, 136, 130), tone);
}

Colour treadPixel(int x, int y) {
    if (y < kNosingRows) {
        const double rib = (x % 4 < 2) ? 1.0 : 0.8;
        return scaled(rgb(52, 50, 48), rib);
    }
    for (int joint : kPlankJoints)
        if (y == joint) return rgb(58, 40, 26);
    const double grain = fractalNoise(x * 0.25, y * 3.0, 4.0, 8, 0, 2, 55u) - 0.5;
    return scaled(rgb(150, 106, 64), 1.0 + grain * 0.35);
}

}  // namespace

Canvas staircaseTexture() {
    Canvas c(kSize, kSize, false);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (y >= kPlasterRow) {
                c.at(x, y) = plasterPixel(x, y);
            } else if (y >= kConcreteRow) {
                c.at(x, y) = concretePixel(x, y);
            } else {
                c.at(x, y) = treadPixel(x, y);
            }
        }
    }
    return c;
}

Canvas staircaseNormalMap() {
    HeightField h(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            double v = 0.0;
            if (y >= kPlasterRow) {
                v = fractalNoise(x, y, 8.0, 16, 0, 3, 56u) * 0.8;
            } else if (y >= kConcreteRow) {
                v = valueNoise(x, y, 4.0, 32, 0, 57u) * 0.5 - (hash01(x, y, 54u) > 0.93 ? 0.6 : 0.0);
            } else if (y < kNosingRows) {
                v = (x % 4 < 2) ? 1.0 : 0.0;
            } else {
                v = 1.0;
                for (int joint : kPlankJoints)
                    if (y == joint) v = 0.0;
            }
            h.at(x, y) = v;
        }
    }
    return h.toNormalMap(1.4, false);
}

}  // namespace assetgen
