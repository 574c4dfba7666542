// Quarter turns and mirroring, copying three-byte pixels unchanged into a new 24-bit picture.
#include "picture/Transforms.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace picture {

void FlipHorz(gfx::Bitmap& picture) {
  if (picture.IsEmpty()) return;
  gfx::Bitmap source = picture.BitsPerPixel() == 24 ? std::move(picture) : picture.ToBgr24();
  const int32_t w = source.Width(), h = source.Height();
  gfx::Bitmap work(w, h, 24);
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* s = source.Row(y);
    uint8_t* d = work.Row(y) + static_cast<size_t>(w - 1) * 3;
    for (int32_t x = 0; x < w; ++x, s += 3, d -= 3) std::memcpy(d, s, 3);
  }
  picture = std::move(work);
}

void Rotate90(gfx::Bitmap& picture) {
  if (picture.IsEmpty()) return;
  gfx::Bitmap source = picture.BitsPerPixel() == 24 ? std::move(picture) : picture.ToBgr24();
  const int32_t w = source.Width(), h = source.Height();
  gfx::Bitmap work(h, w, 24);
  // Source row y becomes work column h - 1 - y; walking it in tiles keeps both sides in cache.
  constexpr int32_t kTile = 64;
  for (int32_t y0 = 0; y0 < h; y0 += kTile) {
    const int32_t y1 = std::min(h, y0 + kTile);
    for (int32_t x0 = 0; x0 < w; x0 += kTile) {
      const int32_t x1 = std::min(w, x0 + kTile);
      for (int32_t y = y0; y < y1; ++y) {
        const uint8_t* s = source.Row(y) + static_cast<size_t>(x0) * 3;
        const size_t column = static_cast<size_t>(h - 1 - y) * 3;
        for (int32_t x = x0; x < x1; ++x, s += 3) std::memcpy(work.Row(x) + column, s, 3);
      }
    }
  }
  picture = std::move(work);
}

}  // namespace picture
