// Contrast, saturation and red/green/blue shifts on 24-bit pictures, in place or into a preview.
#pragma once

#include "gfx/Bitmap.h"

namespace picture {

class Progress;

// 0 below 0, 255 above 255, x otherwise.
constexpr int ClampByte(int x) { return x < 0 ? 0 : (x > 255 ? 255 : x); }

// Every routine works on 24 bits: a picture of another depth is first brought to 24 bits in place.
// Sizes come from the first picture; a preview destination of another size or depth is remade at
// the source's size, so nothing is read or written outside a picture.

// amount -255..255: above 0 pushes each channel away from the middle by amount div 2; at or below 0
// pulls it towards 127 in proportion to its distance.
void AdjustContrast(gfx::Bitmap& bitmap, int amount);

// amount -255..255: 0 gives grey, 255 leaves the picture nearly unchanged, negative amounts push
// colours beyond grey towards their complements. Results are clamped to 0..255.
void AdjustSaturation(gfx::Bitmap& bitmap, int amount, Progress* progress);
void PreviewSaturation(const gfx::Bitmap& source, gfx::Bitmap& destination, int amount);

// Adds the offsets to red, green and blue, limited to 0..255.
void ShiftRGB(gfx::Bitmap& bitmap, int red, int green, int blue, Progress* progress);
void PreviewShiftRGB(const gfx::Bitmap& source, gfx::Bitmap& destination, int red, int green, int blue);

}  // namespace picture
