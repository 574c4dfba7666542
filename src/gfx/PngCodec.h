// PNG decoding through libpng.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/RowProgress.h"

namespace gfx {

// True when the bytes start with the PNG signature.
bool LooksLikePng(std::span<const uint8_t> data);

// Decodes a PNG file into a 24-bit picture: palette and grey pictures become colour, 16-bit
// samples are scaled to 8 bits, interlaced files are read whole, and an alpha channel (or a
// transparent colour) is composed over white. A damaged or truncated file is refused with
// ImageError, and so is one whose picture would have more than `max_pixels` pixels, before
// anything is allocated for it. `progress`, when given, is told of the rows as they are read (each
// pass of an interlaced file counts); when it asks to give up, the decoding ends with DecodeAborted.
Bitmap DecodePng(std::span<const uint8_t> data, uint64_t max_pixels = Bitmap::kMaxPixels,
                 RowProgress* progress = nullptr);

}  // namespace gfx
