// Reading and writing the bitmap file format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace gfx {

// Decodes one bitmap file from the start of `data` (core, info, v4 and v5 headers; 1, 4 and 8-bit
// palettes; 16 and 32-bit bit fields; 24-bit; RLE4 and RLE8; top-down rows). Palette depths keep
// their depth and palette; 16 and 32-bit pictures keep their depth when their layout is the plain
// one (x-5-5-5, x-8-8-8) and become 24-bit otherwise. `consumed`, when given, receives the bytes the
// file took: the header's total size, so files can follow each other in a stream. `standalone`
// says the buffer is a whole file of its own (a total size smaller than the headers is then read
// as the whole buffer). Throws ImageError with a clear reason on damaged or hostile input.
Bitmap DecodeBmp(std::span<const uint8_t> data, size_t* consumed = nullptr, bool standalone = true);

// Reads a bitmap file; errors name the file.
Bitmap ReadBmpFile(const std::string& path);

enum class BmpDepth { kOwn, k24 };

// Encodes a bitmap file: at the picture's own depth with its palette, or at 24 bits.
std::vector<uint8_t> EncodeBmp(const Bitmap& bitmap, BmpDepth depth = BmpDepth::kOwn);

}  // namespace gfx
