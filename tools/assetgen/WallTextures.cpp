// Corridor walls: cream plaster over a green wainscot, a wooden dado rail and
// a dark skirting board; the window variant adds one window per 12-unit bay.
// Both share one normal map (plaster bumps, raised rail and skirting).
#include <cmath>

#include "DetMath.h"
#include "Layout.h"
#include "Noise.h"
#include "Textures.h"

namespace assetgen {

namespace {

using namespace layout;

constexpr int kSize = kWallTexSize;

// Plaster: broad clouds, fine grain and the odd darker pit.
double plasterTone(int x, int y) {
    const double broad = fractalNoise(x, y, 32.0, 4, 4, 3, 11u) - 0.5;
    const double grain = valueNoise(x, y, 2.0, 64, 64, 12u) - 0.5;
    const double pit = hash01(x, y, 13u) > 0.985 ? -0.06 : 0.0;
    return 1.0 + broad * 0.12 + grain * 0.06 + pit;
}

double plasterHeight(int x, int y) {
    return fractalNoise(x, y, 8.0, 16, 16, 3, 14u) * 0.8 + valueNoise(x, y, 2.0, 64, 64, 12u) * 0.4;
}

// Wood grain running along u.
double grainTone(int x, int y, std::uint32_t seed) {
    const double streak = fractalNoise(x * 0.25, y * 3.0, 4.0, 8, 0, 2, seed) - 0.5;
    return 1.0 + streak * 0.35 + (hash01(x, y, seed + 1u) - 0.5) * 0.05;
}

Colour lowerWall(int x, int y) {
    if (y < kSkirtingTopRow) {
        const double edge = y == kSkirtingTopRow - 1 ? 1.25 : 1.0;
        return scaled(rgb(78, 50, 32), grainTone(x, y, 21u) * edge);
    }
    if (y < kWainscotTopRow) {
        // Painted boards with a groove every 16 pixels (1.5 units).
        const double groove = (x % 16 == 0) ? 0.72 : ((x % 16 == 1) ? 1.08 : 1.0);
        const double tone = 1.0 + (valueNoise(x, y, 4.0, 32, 0, 22u) - 0.5) * 0.06;
        return scaled(rgb(92, 116, 98), groove * tone);
    }
    // Dado rail: lit on top, in shadow underneath.
    const double profile = y == kWainscotTopRow ? 0.7 : (y == kRailTopRow - 1 ? 1.2 : 1.0);
    return scaled(rgb(150, 104, 62), grainTone(x, y, 23u) * profile);
}

Colour plaster(int x, int y) { return scaled(rgb(214, 204, 178), plasterTone(x, y)); }

Colour wallPixel(int x, int y) { return y < kRailTopRow ? lowerWall(x, y) : plaster(x, y); }

// The night outside: deep blue glass with faint stars and a lighter sheen
// where the corridor lights catch it.
Colour glass(int x, int y, int x0, int y0, int w, int h) {
    const double fy = static_cast<double>(y - y0) / h;
    Colour c = mix(rgb(36, 48, 84), rgb(16, 22, 48), fy);
    const double fx = static_cast<double>(x - x0) / w;
    const double sheen = smoothstep(0.18, 0.0, std::fabs((fx + fy) - 0.55 - 0.12 * ((x / 32) % 2)));
    c = mix(c, rgb(120, 140, 170), sheen * 0.35);
    if (hash01(x, y, 31u) > 0.992) c = mix(c, rgb(230, 230, 210), 0.8);
    return c;
}

}  // namespace

Canvas wallTexture() {
    Canvas c(kSize, kSize, false);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) c.at(x, y) = wallPixel(x, y);
    return c;
}

Canvas windowWallTexture() {
    Canvas c = wallTexture();
    const double pxPerUnit = kSize / kBay;
    const int x0 = static_cast<int>(kWindowS0 * pxPerUnit), x1 = static_cast<int>(kWindowS1 * pxPerUnit);
    const int y0 = static_cast<int>(kWindowT0 * pxPerUnit), y1 = static_cast<int>(kWindowT1 * pxPerUnit);
    const int f = kWindowFramePx;
    const int midX = (x0 + x1) / 2;
    const int transom = y0 + (y1 - y0) * 2 / 3;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const bool frame = x < x0 + f || x >= x1 - f || y < y0 + f || y >= y1 - f;
            const bool bar = std::abs(x - midX) <= 1 || (y >= transom && y < transom + 2);
            if (frame || bar) {
                const double shade = (y == y0 + f - 1 || x == x1 - f) ? 0.85 : 1.0;
                c.at(x, y) = scaled(rgb(226, 222, 208), shade * (1.0 + (hash01(x, y, 32u) - 0.5) * 0.04));
            } else {
                c.at(x, y) = glass(x, y, x0, y0, x1 - x0, y1 - y0);
            }
        }
    }
    return c;
}

Canvas wallNormalMap() {
    HeightField h(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            double v = 0.0;
            if (y < kSkirtingTopRow) {
                v = 2.5 - (y == kSkirtingTopRow - 1 ? 0.8 : 0.0);
            } else if (y < kWainscotTopRow) {
                v = 1.2 - ((x % 16 == 0) ? 0.8 : 0.0);
            } else if (y < kRailTopRow) {
                v = 2.6 - std::fabs(y - (kWainscotTopRow + 1.0)) * 0.6;
            } else {
                v = plasterHeight(x, y);
            }
            h.at(x, y) = v;
        }
    }
    return h.toNormalMap(1.6, false);
}

}  // namespace assetgen
