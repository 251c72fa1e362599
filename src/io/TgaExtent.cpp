#include "io/TgaExtent.h"

#include <cstdint>

namespace brindlemoor::io {

namespace {

constexpr std::size_t kHeaderBytes = 18;

unsigned read16(const unsigned char* p) { return static_cast<unsigned>(p[0]) | (static_cast<unsigned>(p[1]) << 8); }

std::uint64_t bytesForBits(unsigned bits) { return (bits + 7u) / 8u; }

}  // namespace

bool tgaDataComplete(const unsigned char* data, std::size_t size) {
    if (data == nullptr || size < kHeaderBytes) {
        return false;
    }
    const bool colourMapped = data[1] != 0;
    const bool runLength = data[2] >= 8;
    const unsigned bitsPerPixel = data[16];
    const std::uint64_t pixels = static_cast<std::uint64_t>(read16(data + 12)) * read16(data + 14);
    // Pixels are palette indices of one or two bytes in colour-mapped images.
    const std::uint64_t pixelBytes = colourMapped ? (bitsPerPixel == 8 ? 1u : 2u) : bytesForBits(bitsPerPixel);

    // The image id, then (as the decoder reads it) the palette.
    std::uint64_t at = kHeaderBytes + data[0];
    if (colourMapped) {
        at += read16(data + 3) + static_cast<std::uint64_t>(read16(data + 5)) * bytesForBits(data[7]);
    }
    if (!runLength) {
        return at + pixels * pixelBytes <= size;
    }
    // Packets: a count byte, then one pixel repeated or up to 128 raw pixels.
    // Each packet takes at least one byte, so the walk ends within `size` steps.
    std::uint64_t remaining = pixels;
    while (remaining > 0) {
        if (at >= size) {
            return false;
        }
        const unsigned packet = data[at++];
        const std::uint64_t count = (packet & 0x7Fu) + 1u;
        const std::uint64_t used = count < remaining ? count : remaining;
        at += (packet & 0x80u) != 0 ? pixelBytes : used * pixelBytes;
        if (at > size) {
            return false;
        }
        remaining -= used;
    }
    return true;
}

}  // namespace brindlemoor::io
