// Decoding of TGA image files into 8-bit RGBA pixels, the only image format the
// game reads. Rows are stored bottom row first, the origin OpenGL expects.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace brindlemoor::io {

// Largest width or height accepted; a header claiming more is rejected before
// any pixel memory is allocated.
constexpr int kMaxImageDimension = 4096;
// Largest image file read at all (a 4096 x 4096 RGBA image fits comfortably).
constexpr std::size_t kMaxImageFileBytes = 80u * 1024u * 1024u;

struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;  // width * height * 4 bytes, bottom row first
};

// Decodes TGA bytes (uncompressed or RLE, colour-mapped, grey, 24 or 32 bit).
// Returns false, leaving `out` empty, for anything that is not a valid TGA image
// within the limits above.
bool decodeTgaMemory(const unsigned char* data, std::size_t size, Image& out);

// Reads and decodes a TGA file; false when it cannot be read or decoded.
bool decodeTgaFile(const std::string& path, Image& out);

}  // namespace brindlemoor::io
