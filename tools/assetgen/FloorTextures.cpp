// Corridor floor: a checkerboard of cream and slate linoleum tiles with
// terrazzo flecks, four by four per repeat (one unit each), grouted joints.
#include <cmath>
#include <cstdlib>

#include "DetMath.h"
#include "Noise.h"
#include "Textures.h"

namespace assetgen {

namespace {

constexpr int kSize = 128;
constexpr int kTile = 32;

// Distance in pixels from the nearest joint; joints straddle the tile edges
// (and therefore the texture's edges, so the repeat is seamless).
double jointDistance(int x, int y) {
    const double fx = std::fmod(x + 0.5, static_cast<double>(kTile));
    const double fy = std::fmod(y + 0.5, static_cast<double>(kTile));
    return std::fmin(std::fmin(fx, kTile - fx), std::fmin(fy, kTile - fy));
}

bool darkTile(int x, int y) { return ((x / kTile) + (y / kTile)) % 2 == 1; }

}  // namespace

Canvas floorTexture() {
    Canvas c(kSize, kSize, false);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double joint = jointDistance(x, y);
            if (joint < 1.5) {
                c.at(x, y) = scaled(rgb(60, 58, 54), 1.0 + (hash01(x, y, 41u) - 0.5) * 0.1);
                continue;
            }
            Colour base = darkTile(x, y) ? rgb(76, 86, 96) : rgb(206, 196, 170);
            // Polish wears lighter toward the middle of each tile.
            const double wear = smoothstep(2.0, 12.0, joint) * 0.06;
            const double cloud = (fractalNoise(x, y, 16.0, 8, 8, 3, 42u) - 0.5) * 0.14;
            base = scaled(base, 1.0 + wear + cloud);
            // Flecks of stone in the linoleum.
            const double fleck = hash01(x, y, 43u);
            if (fleck > 0.94) base = mix(base, darkTile(x, y) ? rgb(150, 150, 140) : rgb(110, 100, 85), 0.6);
            if (joint < 2.5) base = scaled(base, 0.85);  // bevelled edge
            c.at(x, y) = base;
        }
    }
    return c;
}

Canvas floorNormalMap() {
    HeightField h(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double joint = jointDistance(x, y);
            const double bevel = smoothstep(1.0, 3.5, joint);
            h.at(x, y) = bevel * 2.0 + (valueNoise(x, y, 4.0, 32, 32, 44u) - 0.5) * 0.15;
        }
    }
    return h.toNormalMap(1.5, true);
}

}  // namespace assetgen
