// Quarter turns and mirroring of the current picture.
#pragma once

#include "gfx/Bitmap.h"

namespace picture {

// Mirrors the picture left to right, in place. The result is 24-bit whatever the source depth.
void FlipHorz(gfx::Bitmap& picture);

// Turns the picture 90 degrees clockwise, in place: width and height swap, the top row becomes the
// rightmost column. The result is 24-bit whatever the source depth.
void Rotate90(gfx::Bitmap& picture);

}  // namespace picture
