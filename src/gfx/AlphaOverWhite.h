// Composing pixels that carry an alpha channel over a white page.
#pragma once

#include <cstdint>

namespace gfx {

// Writes `width` blue-green-red pixels from blue-green-red-alpha ones, each composed over white
// (alpha 255 keeps the colour, alpha 0 gives white), rounded to the nearest value.
void BgraRowOverWhite(const uint8_t* bgra, uint8_t* bgr, int32_t width);

}  // namespace gfx
