// Alpha composition over white, one row at a time.
#include "gfx/AlphaOverWhite.h"

namespace gfx {

void BgraRowOverWhite(const uint8_t* bgra, uint8_t* bgr, int32_t width) {
  for (int32_t x = 0; x < width; ++x, bgra += 4, bgr += 3) {
    const unsigned a = bgra[3];
    const unsigned page = 255 * (255 - a);
    // (c * a + 255 * (255 - a)) / 255, rounded, without a division per channel.
    for (int c = 0; c < 3; ++c) {
      unsigned v = bgra[c] * a + page + 128;
      bgr[c] = static_cast<uint8_t>((v + (v >> 8)) >> 8);
    }
  }
}

}  // namespace gfx
