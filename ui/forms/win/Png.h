// SPDX-License-Identifier: MIT
// Reads the program's PNG pictures without the Windows Imaging Component
// (which COM would load before the first frame): 8 bits per channel, RGB or
// RGBA, not interlaced.
#pragma once

#include <cstddef>
#include <vector>

#include "Native.h"

namespace forms::win {

// The picture as premultiplied BGRA; empty when the bytes are not a PNG of
// that kind.
Pixels DecodePng(const unsigned char* bytes, std::size_t size);

// A zlib stream's data; empty when the stream is broken.
std::vector<unsigned char> Inflate(const unsigned char* bytes, std::size_t size);

} // namespace forms::win
