// Depth images: the depth buffer of the framebuffer bound for reading, written
// as an uncompressed 8-bit greyscale TGA file (near is dark, far is white).
#pragma once

#include "io/Output.h"

namespace brindlemoor::app {

// Reads width x height depth values from (0, 0) and writes them to `fileName`,
// bottom row first with no row padding. A file that cannot be opened is
// skipped silently.
void writeDepthShot(io::Output& out, const char* fileName, int width, int height);

}  // namespace brindlemoor::app
