#include "TgaWriter.h"

#include <cstring>
#include <utility>

namespace assetgen {

namespace {

void put16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

}  // namespace

std::vector<std::uint8_t> tgaBytes(const Canvas& canvas, bool runLength) {
    const int channels = canvas.hasAlpha() ? 4 : 3;
    std::vector<std::uint8_t> out;
    out.push_back(0);                        // no image id
    out.push_back(0);                        // no colour map
    out.push_back(runLength ? 10 : 2);       // true colour, RLE or plain
    for (int i = 0; i < 5; ++i) out.push_back(0);  // no colour map fields
    put16(out, 0);                           // x origin
    put16(out, 0);                           // y origin
    put16(out, canvas.width());
    put16(out, canvas.height());
    out.push_back(static_cast<std::uint8_t>(channels * 8));
    // Alpha bit count; bit 5 clear: the first row stored is the bottom one.
    out.push_back(static_cast<std::uint8_t>(canvas.hasAlpha() ? 8 : 0));

    // Canvas rows are bottom first already; TGA wants BGR(A) order.
    std::vector<std::uint8_t> rgba = canvas.bytes();
    for (std::size_t i = 0; i + 2 < rgba.size(); i += static_cast<std::size_t>(channels)) {
        std::swap(rgba[i], rgba[i + 2]);
    }
    if (!runLength) {
        out.insert(out.end(), rgba.begin(), rgba.end());
        return out;
    }
    // Run-length packets, never crossing a row: runs of equal pixels, and raw
    // stretches of differing ones, at most 128 pixels each.
    const auto px = static_cast<std::size_t>(channels);
    const auto width = static_cast<std::size_t>(canvas.width());
    auto same = [&](std::size_t a, std::size_t b) {
        return std::memcmp(&rgba[a * px], &rgba[b * px], px) == 0;
    };
    for (std::size_t row = 0; row < static_cast<std::size_t>(canvas.height()); ++row) {
        const std::size_t start = row * width;
        std::size_t x = 0;
        while (x < width) {
            std::size_t run = 1;
            while (x + run < width && run < 128 && same(start + x, start + x + run)) ++run;
            if (run >= 2) {
                out.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
                out.insert(out.end(), rgba.data() + (start + x) * px, rgba.data() + (start + x + 1) * px);
                x += run;
                continue;
            }
            std::size_t raw = 1;
            while (x + raw < width && raw < 128 &&
                   !(x + raw + 1 < width && same(start + x + raw, start + x + raw + 1))) {
                ++raw;
            }
            out.push_back(static_cast<std::uint8_t>(raw - 1));
            out.insert(out.end(), rgba.data() + (start + x) * px, rgba.data() + (start + x + raw) * px);
            x += raw;
        }
    }
    return out;
}

}  // namespace assetgen
