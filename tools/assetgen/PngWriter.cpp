#include "PngWriter.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace assetgen {

namespace {

using Bytes = std::vector<std::uint8_t>;

// The one stored deflate block holds at most this many bytes.
constexpr std::size_t kMaxStoredBlock = 65535;

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t adler32(const Bytes& data) {
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

void put32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void chunk(Bytes& out, const char* type, const Bytes& data) {
    put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(out, crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored blocks (no compression), ending in the Adler-32.
Bytes storedZlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t size = std::min(kMaxStoredBlock, raw.size() - at);
        const bool last = at + size == raw.size();
        out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00
        out.push_back(static_cast<std::uint8_t>(size & 0xFF));
        out.push_back(static_cast<std::uint8_t>(size >> 8));
        out.push_back(static_cast<std::uint8_t>(~size & 0xFF));
        out.push_back(static_cast<std::uint8_t>((~size >> 8) & 0xFF));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
    } while (at < raw.size());
    put32(out, adler32(raw));
    return out;
}

}  // namespace

Bytes pngBytes(const Canvas& canvas) {
    const std::size_t channels = canvas.hasAlpha() ? 4 : 3;
    const std::size_t rowBytes = static_cast<std::size_t>(canvas.width()) * channels;
    const Bytes pixels = canvas.bytes();

    // Canvas rows run bottom first; each PNG row starts with filter type 0.
    Bytes raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(canvas.height()));
    for (int row = canvas.height() - 1; row >= 0; --row) {
        raw.push_back(0);
        const auto begin = pixels.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * rowBytes);
        raw.insert(raw.end(), begin, begin + static_cast<std::ptrdiff_t>(rowBytes));
    }

    Bytes header;
    put32(header, static_cast<std::uint32_t>(canvas.width()));
    put32(header, static_cast<std::uint32_t>(canvas.height()));
    header.push_back(8);                              // bits per channel
    header.push_back(canvas.hasAlpha() ? 6 : 2);      // RGBA or RGB
    header.insert(header.end(), {0, 0, 0});           // deflate, no filter variants, not interlaced

    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(out, "IHDR", header);
    chunk(out, "IDAT", storedZlib(raw));
    chunk(out, "IEND", {});
    return out;
}

}  // namespace assetgen
