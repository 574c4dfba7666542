// WebP still pictures: decoding and encoding through libwebp.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/Bitmap.h"

namespace gfx {

// True when the bytes start with a RIFF header of the WebP kind.
bool LooksLikeWebp(std::span<const uint8_t> data);

// Decodes a still WebP picture into a 24-bit picture, an alpha channel composed over white.
// Animations and damaged or truncated files are refused with ImageError, and so is a picture of
// more than `max_pixels` pixels, before anything is allocated for it.
Bitmap DecodeWebp(std::span<const uint8_t> data, uint64_t max_pixels = Bitmap::kMaxPixels);

// Encodes a picture (any depth; converted to 24 bits) as a lossy WebP at quality 0..100. Throws
// ImageError for the empty picture and for sides above the format's 16383 pixels.
std::vector<uint8_t> EncodeWebp(const Bitmap& bitmap, int quality);

}  // namespace gfx
