// Resizing pictures: a high-quality filter for saved output, a nearest-neighbour stretch for exact uses.
#pragma once

#include <cstdint>

#include "gfx/Bitmap.h"

namespace gfx {

// Resizes a picture (converted to 24 bits) to exactly width x height with a high-quality filter
// (down- and up-scaling, no dark borders). Throws ImageError when a dimension is not positive.
Bitmap ResizeHighQuality(const Bitmap& source, int32_t width, int32_t height);

// Resizes by nearest neighbour, pixel-exact and unsmoothed, keeping 24 bits.
Bitmap ResizeNearest(const Bitmap& source, int32_t width, int32_t height);

}  // namespace gfx
