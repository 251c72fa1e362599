// Blackboard: green-black slate with the clouds of old, wiped-off chalk above,
// warm varnished wood below, and two small patches for the chalk stick and
// the eraser's felt.
#include <algorithm>
#include <cmath>

#include "DetMath.h"
#include "Layout.h"
#include "Noise.h"
#include "Textures.h"

namespace assetgen {

namespace {

using namespace layout;

constexpr int kSize = 128;
const int kSlateRow = static_cast<int>(kSlateV0 * kSize);
const int kWoodEnd = static_cast<int>(kWoodU1 * kSize);
const int kPatchColumn = static_cast<int>(kChalkU0 * kSize);
const int kFeltRow = static_cast<int>(kFeltV0 * kSize);

Colour slatePixel(int x, int y) {
    Colour c = scaled(rgb(kSlateRgb[0], kSlateRgb[1], kSlateRgb[2]), 1.0 + (valueNoise(x, y, 2.0, 64, 48, 61u) - 0.5) * 0.12);
    // Sweeping eraser marks: long horizontal clouds of chalk dust.
    const double dust = fractalNoise(x * 0.5, y * 2.0, 16.0, 4, 0, 3, 62u);
    c = mix(c, rgb(150, 160, 150), smoothstep(0.55, 0.85, dust) * 0.22);
    return c;
}

Colour woodPixel(int x, int y) {
    const double grain = fractalNoise(x * 0.25, y * 2.0, 4.0, 0, 0, 3, 63u) - 0.5;
    const double ring = std::fabs(std::fmod(y * 0.7 + grain * 9.0, 4.0) - 2.0) * 0.04;
    return scaled(rgb(132, 86, 48), 1.0 + grain * 0.4 + ring);
}

}  // namespace

Canvas blackboardTexture() {
    Canvas c(kSize, kSize, false);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (y >= kSlateRow) {
                c.at(x, y) = slatePixel(x, y);
            } else if (x < kPatchColumn) {
                c.at(x, y) = woodPixel(std::min(x, kWoodEnd), y);
            } else if (y < kFeltRow) {
                c.at(x, y) = scaled(rgb(236, 236, 226), 1.0 - hash01(x, y, 64u) * 0.08);
            } else {
                c.at(x, y) = scaled(rgb(84, 84, 92), 1.0 + (hash01(x, y, 65u) - 0.5) * 0.2);
            }
        }
    }
    return c;
}

Canvas blackboardNormalMap() {
    HeightField h(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (y >= kSlateRow) {
                h.at(x, y) = valueNoise(x, y, 2.0, 64, 48, 61u) * 0.15;
            } else if (x < kPatchColumn) {
                h.at(x, y) = fractalNoise(x * 0.25, y * 2.0, 4.0, 0, 0, 3, 63u) * 1.2;
            } else {
                h.at(x, y) = hash01(x, y, 66u) * 0.4;
            }
        }
    }
    return h.toNormalMap(1.2, false);
}

}  // namespace assetgen
