// Resizing pictures: a high-quality filter for saved output, a nearest-neighbour stretch for exact uses.
#pragma once

#include <cstdint>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace gfx {

// Resizes a picture (converted to 24 bits) to exactly width x height with a high-quality filter
// (down- and up-scaling, no dark borders): a Lanczos-3 low-pass when shrinking, cubic
// interpolation when enlarging, each axis on its own. Throws ImageError when a dimension is not
// positive or too large, or the source is empty.
// Runs on one thread per core, fewer for small pictures.
Bitmap ResizeHighQuality(const Bitmap& source, int32_t width, int32_t height);
// The same on exactly `workers` threads (fewer only where a step has fewer lines than that); the
// result is the same for any count. One suits callers that already keep every core busy.
Bitmap ResizeHighQuality(const Bitmap& source, int32_t width, int32_t height, int workers);
// The same for a source whose picture covers only `extent` of its pixels (see PictureExtent): that
// part is what is resized to width x height.
Bitmap ResizeHighQuality(const Bitmap& source, const PictureExtent& extent, int32_t width, int32_t height);
Bitmap ResizeHighQuality(const Bitmap& source, const PictureExtent& extent, int32_t width, int32_t height,
                         int workers);

// Resizes by nearest neighbour, pixel-exact and unsmoothed, into a 24-bit picture (destination
// pixel i takes source pixel floor(i * source size / size)). Throws ImageError like the above.
Bitmap ResizeNearest(const Bitmap& source, int32_t width, int32_t height);

}  // namespace gfx
