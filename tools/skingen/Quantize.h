// Turning drawn 24-bit pictures into the stored depths: 8-bit with a palette, 4-bit and 1-bit masks.
#pragma once

#include "gfx/Bitmap.h"

namespace skingen {

// The colour that keyed images (check marks, glyphs) are transparent in.
constexpr gfx::Color kTransparentKey = gfx::Rgb(255, 0, 255);

// An 8-bit copy whose palette holds every colour of the picture when there are at most 256, and
// otherwise 256 colours chosen by median cut, each pixel taking the nearest of them; the key colour
// always keeps its own exact entry.
gfx::Bitmap ToIndexed8(const gfx::Bitmap& picture);

// A mask at 1 or 4 bits from a 24-bit picture: pixels darker than mid grey become black (inside),
// the others white. The palette has black at index 0 and white at index 1 (the rest of a 4-bit
// palette is grey ramp, unused).
gfx::Bitmap ToMask(const gfx::Bitmap& picture, int bits_per_pixel);

}  // namespace skingen
