#include "Icon.h"

#include <algorithm>
#include <cmath>

#include "ChalkFont.h"
#include "DetMath.h"
#include "Layout.h"
#include "Noise.h"

namespace assetgen {

namespace {

// Board and frame in pixels (y up); the frame's corners are rounded.
constexpr double kLeft = 4.0, kRight = 124.0, kBottom = 14.0, kTop = 114.0;
constexpr double kCornerRadius = 9.0;
constexpr double kFrame = 8.0;
// Font units to pixels: the letter stands 66 pixels tall in the slate's middle.
constexpr double kLetterScale = 11.0;
constexpr double kBrushRadius = 5.0;

// Signed distance to a rounded rectangle shrunk by `inset` (negative inside).
double roundedBoxDistance(double x, double y, double inset) {
    const double r = std::max(kCornerRadius - inset, 1.0);
    const double cx = (kLeft + kRight) * 0.5, cy = (kBottom + kTop) * 0.5;
    const double hx = (kRight - kLeft) * 0.5 - inset - r, hy = (kTop - kBottom) * 0.5 - inset - r;
    const double qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    const double outside = std::sqrt(std::max(qx, 0.0) * std::max(qx, 0.0) + std::max(qy, 0.0) * std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - r;
}

double segmentDistance(Vec2 p, Vec2 a, Vec2 b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    const double t = lengthSquared > 0.0 ? clamp01(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared) : 0.0;
    const double ex = a.x + dx * t - p.x, ey = a.y + dy * t - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

double letterDistance(const std::vector<Stroke>& strokes, Vec2 p) {
    double d = 1e9;
    for (const Stroke& stroke : strokes) {
        auto at = [](Vec2 q) {
            return Vec2{64.0 + (q.x - 2.0) * kLetterScale, 64.0 - 3.0 * kLetterScale + q.y * kLetterScale};
        };
        for (std::size_t i = 0; i + 1 < stroke.size(); ++i) d = std::min(d, segmentDistance(p, at(stroke[i]), at(stroke[i + 1])));
        if (stroke.size() == 1) d = std::min(d, segmentDistance(p, at(stroke[0]), at(stroke[0])));
    }
    return d;
}

}  // namespace

Canvas iconPicture() {
    Canvas icon(kIconSize, kIconSize, true, Colour{0.0, 0.0, 0.0, 0.0});
    const std::vector<Stroke> letter = glyphStrokes('B');
    const Colour slate = rgb(layout::kSlateRgb[0], layout::kSlateRgb[1], layout::kSlateRgb[2]);
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double outer = clamp01(0.5 - roundedBoxDistance(px, py, 0.0));
            if (outer <= 0.0) continue;
            const double grain = fractalNoise(x * 0.3, y * 2.0, 4.0, 0, 0, 3, 71u) - 0.5;
            const Colour wood = scaled(rgb(132, 86, 48), 1.0 + grain * 0.5);
            const double dust = fractalNoise(x * 0.5, y * 2.0, 12.0, 0, 0, 3, 72u);
            Colour board = mix(scaled(slate, 1.0 + (hash01(x, y, 73u) - 0.5) * 0.1), rgb(150, 160, 150),
                               smoothstep(0.55, 0.85, dust) * 0.25);

            const double d = letterDistance(letter, {px, py});
            const double radius = kBrushRadius + (valueNoise(x, y, 2.0, 0, 0, 74u) - 0.5) * 2.0;
            double chalk = clamp01((radius - d) / 1.2 + 0.5);
            chalk *= 0.7 + 0.3 * smoothstep(0.2, 0.55, valueNoise(x, y, 1.3, 0, 0, 75u));
            board = mix(board, rgb(242, 242, 234), chalk);

            Colour c = mix(board, wood, clamp01(0.5 + roundedBoxDistance(px, py, kFrame)));
            c.a = outer;
            icon.at(x, y) = c;
        }
    }
    return icon;
}

}  // namespace assetgen
