// How many bytes a TGA image needs, read from its header and packets. The
// decoder fills pixels missing from a cut-short file with whatever memory held,
// so such files are turned away before decoding.
#pragma once

#include <cstddef>

namespace brindlemoor::io {

// True when `data` holds the whole header and every palette entry and pixel
// (raw or run-length packed) that the header declares. It does not judge the
// header's values; the decoder does that.
bool tgaDataComplete(const unsigned char* data, std::size_t size);

}  // namespace brindlemoor::io
