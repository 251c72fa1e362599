// The boy's clothes, skin and hair, painted into the areas of BoyLayout.h:
// navy school jumper with a red chest stripe, grey trousers, dark shoes with
// white laces and soles, brown hair, a yellow backpack.
#include <cmath>

#include "BoyLayout.h"
#include "DetMath.h"
#include "Noise.h"
#include "Textures.h"

namespace assetgen {

namespace {

using namespace boy;

constexpr int kSize = 128;

// Calls fn(fu, fv, x, y) for every pixel of an area, fu and fv being the
// local coordinates 0..1 across it, and hands the result to put(x, y, value).
template <typename Fn, typename Put>
void forArea(const UvArea& a, Fn fn, Put put) {
    const int x0 = static_cast<int>(a.u0 * kSize), x1 = static_cast<int>(a.u1 * kSize);
    const int y0 = static_cast<int>(a.v0 * kSize), y1 = static_cast<int>(a.v1 * kSize);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            put(x, y, fn((x + 0.5 - x0) / (x1 - x0), (y + 0.5 - y0) / (y1 - y0), x, y));
}

double cloth(int x, int y, std::uint32_t seed) { return 1.0 + (hash01(x, y, seed) - 0.5) * 0.08; }

// Knitted ribs running along v.
double rib(int x) { return (x % 2 == 0) ? 1.0 : 0.9; }

const Colour kSkinColour = rgb(236, 194, 164);
const Colour kNavy = rgb(42, 58, 112);

Colour head(double fu, double fv, int x, int y) {
    Colour c = scaled(kSkinColour, cloth(x, y, 71u));
    // Face around fu = 0.5 (the front); latitude fv 0..1 from chin to crown.
    const double du = (fu - 0.5) * 360.0;  // degrees round from the front
    const double lat = fv * 180.0 - 90.0;
    for (double side : {-1.0, 1.0}) {
        const double ex = (du - side * 22.0) / 9.0, ey = (lat - 8.0) / 7.0;
        const double eye = ex * ex + ey * ey;
        if (eye < 1.0) c = eye < 0.35 ? rgb(50, 34, 24) : rgb(245, 245, 240);
        const double bx = (du - side * 22.0) / 12.0, by = (lat - 22.0) / 3.0;
        if (bx * bx + by * by < 1.0) c = rgb(90, 56, 32);
        const double cx = (du - side * 34.0) / 12.0, cy = (lat + 12.0) / 9.0;
        if (cx * cx + cy * cy < 1.0) c = mix(c, rgb(232, 150, 140), 0.35);
    }
    const double mx = du / 18.0, my = (lat + 30.0 - mx * mx * 6.0) / 3.5;
    if (std::fabs(mx) < 1.0 && std::fabs(my) < 1.0) c = rgb(180, 80, 76);
    return c;
}

Colour hair(double fu, double fv, int x, int y) {
    const double strand = valueNoise(x * 3.0, y * 0.4, 2.0, 0, 0, 72u);
    Colour c = scaled(rgb(104, 64, 36), 0.75 + strand * 0.45);
    return mix(c, rgb(150, 100, 60), smoothstep(0.6, 1.0, fv) * 0.3 * (0.5 + 0.5 * std::fabs(fu - 0.5)));
}

Colour jumper(double, double fv, int x, int y) {
    Colour c = scaled(kNavy, rib(x) * cloth(x, y, 73u));
    if (fv < 0.1 || fv > 0.93) c = scaled(kNavy, 0.8 * rib(x));     // waistband, collar
    if (fv > 0.62 && fv < 0.7) c = scaled(rgb(170, 40, 44), rib(x)); // chest stripe
    return c;
}

Colour sleeve(double, double fv, int x, int y) {
    Colour c = scaled(kNavy, rib(x) * cloth(x, y, 74u));
    if (fv > 0.88) c = scaled(kNavy, 0.78 * rib(x));  // cuff at the wrist
    if (fv > 0.1 && fv < 0.16) c = scaled(rgb(170, 40, 44), rib(x));
    return c;
}

Colour trousers(double fu, double fv, int x, int y) {
    Colour c = scaled(rgb(92, 96, 106), cloth(x, y, 75u) * (1.0 + (valueNoise(x, y, 4.0, 32, 0, 76u) - 0.5) * 0.1));
    if (std::fabs(fu - 0.25) < 0.015 || std::fabs(fu - 0.75) < 0.015) c = scaled(c, 0.8);  // side seams
    if (fv < 0.05) c = scaled(c, 0.85);  // hem
    return c;
}

Colour shoe(double fu, double fv, int x, int y) {
    Colour c = scaled(rgb(52, 38, 32), cloth(x, y, 77u));
    // Laces across the instep, over the front (fu 0.5).
    if (std::fabs(fu - 0.5) < 0.09 && fv > 0.45 && fv < 0.92) {
        const double zig = std::fabs(std::fmod(fv * 8.0, 1.0) - 0.5) * 0.16;
        if (std::fabs(std::fabs(fu - 0.5) - zig) < 0.03) c = rgb(236, 236, 230);
    }
    return c;
}

Colour pack(double fu, double fv, int x, int y) {
    Colour c = scaled(rgb(232, 172, 44), cloth(x, y, 78u));
    const double border = std::fmin(std::fmin(fu, 1.0 - fu), std::fmin(fv, 1.0 - fv));
    if (border < 0.06) c = scaled(c, 0.78);                                   // piping
    if (std::fabs(fv - 0.72) < 0.025 && fu > 0.12 && fu < 0.88) c = rgb(60, 56, 50);  // zip
    if (fu > 0.3 && fu < 0.7 && fv > 0.2 && fv < 0.34) c = rgb(220, 226, 230);         // reflector
    return c;
}

}  // namespace

Canvas boyTexture() {
    Canvas c(kSize, kSize, false, kSkinColour);
    auto put = [&c](int x, int y, const Colour& colour) { c.at(x, y) = colour; };
    forArea(kHead, head, put);
    forArea(kHair, hair, put);
    forArea(kSkin, [](double, double, int x, int y) { return scaled(kSkinColour, cloth(x, y, 79u)); }, put);
    forArea(kSleeve, sleeve, put);
    forArea(kPack, pack, put);
    forArea(kJumper, jumper, put);
    forArea(kTrousers, trousers, put);
    forArea(kShoe, shoe, put);
    forArea(kSole, [](double, double fv, int x, int y) {
        return scaled(rgb(228, 224, 210), cloth(x, y, 80u) * (fv > 0.85 ? 0.85 : 1.0));
    }, put);
    forArea(kStrap, [](double, double, int x, int y) {
        return scaled(rgb(44, 44, 50), (y % 4 == 0 ? 0.8 : 1.0) * cloth(x, y, 81u));
    }, put);
    forArea(kSock, [](double, double fv, int, int) {
        return fv > 0.55 && fv < 0.75 ? rgb(170, 40, 44) : rgb(236, 236, 232);
    }, put);
    return c;
}

Canvas boyNormalMap() {
    HeightField h(kSize, kSize);
    auto put = [&h](int x, int y, double v) { h.at(x, y) = v; };
    auto knit = [](double, double, int x, int y) { return (x % 2 == 0 ? 0.6 : 0.0) + hash01(x, y, 82u) * 0.1; };
    forArea(kJumper, knit, put);
    forArea(kSleeve, knit, put);
    forArea(kHair, [](double, double, int x, int y) { return valueNoise(x * 3.0, y * 0.4, 2.0, 0, 0, 72u) * 1.2; }, put);
    forArea(kTrousers, [](double, double, int x, int y) { return ((x + y) % 3 == 0 ? 0.25 : 0.0); }, put);
    forArea(kPack, [](double fu, double fv, int, int) {
        const double border = std::fmin(std::fmin(fu, 1.0 - fu), std::fmin(fv, 1.0 - fv));
        return border < 0.06 ? 1.0 : 0.0;
    }, put);
    return h.toNormalMap(1.0, false);
}

}  // namespace assetgen
