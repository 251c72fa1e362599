// The chalk atlas: our stroke font drawn with a thick, crumbly chalk brush,
// white on transparent, one 64-pixel cell per character from ' ' to '_',
// eight to a row starting with the top row of the image. Transparent texels
// carry the slate's green so the text also reads when drawn without blending.
#include <algorithm>
#include <cmath>

#include "ChalkFont.h"
#include "DetMath.h"
#include "Layout.h"
#include "Noise.h"
#include "Textures.h"

namespace assetgen {

namespace {

using namespace layout;

// Font units to cell pixels: glyphs 4 x 6 units become about 40 x 35 pixels,
// leaving a margin of more than 6 pixels around every brush mark.
constexpr double kScaleX = 10.0;
constexpr double kScaleY = 5.9;
constexpr double kBaseline = 14.5;
constexpr double kBrushRadius = 3.4;

struct Segment {
    Vec2 a, b;
};

double distanceToSegment(Vec2 p, const Segment& s) {
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0.0 ? ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / lengthSquared : 0.0;
    t = clamp01(t);
    const double ex = s.a.x + dx * t - p.x, ey = s.a.y + dy * t - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

// Brush coverage at a global pixel, d pixels from the nearest stroke centre.
double chalkCoverage(int gx, int gy, double d) {
    const double ragged = (valueNoise(gx, gy, 2.0, 0, 0, 91u) - 0.5) * 2.2 + (hash01(gx, gy, 92u) - 0.5) * 0.9;
    const double radius = kBrushRadius + ragged;
    double a = clamp01((radius - d) / 1.2 + 0.5);
    // Chalk leaves the board showing through in places.
    a *= 0.62 + 0.38 * smoothstep(0.2, 0.55, valueNoise(gx, gy, 1.3, 0, 0, 93u));
    if (hash01(gx, gy, 94u) > 0.94) a *= 0.35;
    // Crumbs just beside the stroke.
    if (d > radius && d < kBrushRadius + 2.0 && hash01(gx, gy, 95u) > 0.965) a = std::max(a, 0.55);
    return a;
}

std::vector<Segment> cellSegments(char c, double cellX, double cellY) {
    std::vector<Segment> out;
    for (const Stroke& stroke : glyphStrokes(c)) {
        auto toPixels = [&](Vec2 p) {
            return Vec2{cellX + kAtlasCell * 0.5 + (p.x - 2.0) * kScaleX, cellY + kBaseline + p.y * kScaleY};
        };
        if (stroke.size() == 1) {
            out.push_back({toPixels(stroke[0]), toPixels(stroke[0])});
        }
        for (std::size_t i = 0; i + 1 < stroke.size(); ++i) out.push_back({toPixels(stroke[i]), toPixels(stroke[i + 1])});
    }
    return out;
}

}  // namespace

Canvas chalkAtlas() {
    const Colour slate{kSlateRgb[0] / 255.0, kSlateRgb[1] / 255.0, kSlateRgb[2] / 255.0, 0.0};
    Canvas atlas(kAtlasSize, kAtlasSize, true, slate);
    const int perRow = kAtlasSize / kAtlasCell;
    for (int index = 0; index < perRow * perRow; ++index) {
        const char c = static_cast<char>(kAtlasFirstChar + index);
        // Row 0 of the grid is the top of the image; canvas rows count upward.
        const int cellX = (index % perRow) * kAtlasCell;
        const int cellY = kAtlasSize - (index / perRow + 1) * kAtlasCell;
        const std::vector<Segment> segments = cellSegments(c, cellX, cellY);
        if (segments.empty()) continue;
        for (int y = cellY; y < cellY + kAtlasCell; ++y) {
            for (int x = cellX; x < cellX + kAtlasCell; ++x) {
                double d = 1e9;
                for (const Segment& s : segments) d = std::min(d, distanceToSegment({x + 0.5, y + 0.5}, s));
                if (d > kBrushRadius + 3.0) continue;
                const double a = chalkCoverage(x, y, d);
                if (a <= 0.0) continue;
                const double tint = 0.94 + hash01(x, y, 96u) * 0.06;
                const Colour chalk{0.95 * tint, 0.95 * tint, 0.92 * tint, 1.0};
                Colour px = mix(slate, chalk, std::min(1.0, a * 2.0));
                px.a = a;
                atlas.at(x, y) = px;
            }
        }
    }
    return atlas;
}

Canvas chalkNormalMap() {
    // Half the atlas's size: the chalk stands a little proud of the board.
    const Canvas atlas = chalkAtlas();
    const int size = kAtlasSize / 2;
    HeightField h(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double sum = atlas.at(2 * x, 2 * y).a + atlas.at(2 * x + 1, 2 * y).a +
                               atlas.at(2 * x, 2 * y + 1).a + atlas.at(2 * x + 1, 2 * y + 1).a;
            h.at(x, y) = sum * 0.25;
        }
    }
    return h.toNormalMap(1.5, true);
}

}  // namespace assetgen
