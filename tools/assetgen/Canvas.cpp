#include "Canvas.h"

#include <cmath>

#include "DetMath.h"

namespace assetgen {

Colour mix(const Colour& a, const Colour& b, double t) {
    return {lerp(a.r, b.r, t), lerp(a.g, b.g, t), lerp(a.b, b.b, t), lerp(a.a, b.a, t)};
}

Colour scaled(const Colour& c, double factor) { return {c.r * factor, c.g * factor, c.b * factor, c.a}; }

Colour rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0, 1.0}; }

Canvas::Canvas(int width, int height, bool hasAlpha, Colour fill)
    : width_(width), height_(height), hasAlpha_(hasAlpha),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

const Colour& Canvas::at(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

Colour& Canvas::at(int x, int y) {
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

const Colour& Canvas::wrapped(int x, int y) const {
    x %= width_;
    y %= height_;
    return at(x < 0 ? x + width_ : x, y < 0 ? y + height_ : y);
}

void Canvas::fillRect(int x0, int y0, int x1, int y1, const Colour& c) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (x >= 0 && y >= 0 && x < width_ && y < height_) at(x, y) = c;
}

namespace {

std::uint8_t quantise(double v) {
    const double scaledValue = std::floor(clamp01(v) * 255.0 + 0.5);
    return static_cast<std::uint8_t>(scaledValue);
}

}  // namespace

std::vector<std::uint8_t> Canvas::bytes() const {
    std::vector<std::uint8_t> out;
    out.reserve(pixels_.size() * (hasAlpha_ ? 4u : 3u));
    for (const Colour& c : pixels_) {
        out.push_back(quantise(c.r));
        out.push_back(quantise(c.g));
        out.push_back(quantise(c.b));
        if (hasAlpha_) out.push_back(quantise(c.a));
    }
    return out;
}

HeightField::HeightField(int width, int height, double fill)
    : width_(width), height_(height),
      values_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

double& HeightField::at(int x, int y) {
    return values_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

double HeightField::at(int x, int y) const {
    return values_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

double HeightField::wrapped(int x, int y) const {
    x %= width_;
    y %= height_;
    return at(x < 0 ? x + width_ : x, y < 0 ? y + height_ : y);
}

Canvas HeightField::toNormalMap(double strength, bool wrapRows) const {
    Canvas out(width_, height_, false);
    for (int y = 0; y < height_; ++y) {
        const int below = wrapRows ? y - 1 : (y > 0 ? y - 1 : y);
        const int above = wrapRows ? y + 1 : (y + 1 < height_ ? y + 1 : y);
        const double rowSpan = static_cast<double>(above - below);
        for (int x = 0; x < width_; ++x) {
            const double dx = (wrapped(x + 1, y) - wrapped(x - 1, y)) * 0.5 * strength;
            const double dy = (wrapped(x, above) - wrapped(x, below)) / rowSpan * strength;
            const Vec3 n = normalize({-dx, -dy, 1.0});
            out.at(x, y) = {n.x * 0.5 + 0.5, n.y * 0.5 + 0.5, n.z * 0.5 + 0.5, 1.0};
        }
    }
    return out;
}

}  // namespace assetgen
