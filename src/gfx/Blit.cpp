// Exact and nearest-neighbour block copies on 24-bit pictures.
#include "gfx/Blit.h"

#include <cstring>
#include <vector>

#include "gfx/ImageError.h"

namespace gfx {

namespace {

void Require24(const Bitmap& b) {
  if (b.BitsPerPixel() != 24 && !b.IsEmpty()) throw ImageError("block copies need 24-bit pictures");
}

}  // namespace

void CopyRect(Bitmap& dst, Point at, const Bitmap& src, const Rect& src_rect) {
  Require24(dst);
  Require24(src);
  Rect s = src_rect.Intersect(src.Bounds());
  if (s.IsEmpty()) return;
  // Shift the destination by what clipping the source removed.
  Rect d = Rect::FromSize(at.x + (s.left - src_rect.left), at.y + (s.top - src_rect.top), s.Width(), s.Height());
  Rect dc = d.Intersect(dst.Bounds());
  if (dc.IsEmpty()) return;
  int32_t sx = s.left + (dc.left - d.left);
  int32_t sy = s.top + (dc.top - d.top);
  size_t bytes = static_cast<size_t>(dc.Width()) * 3;
  for (int32_t y = 0; y < dc.Height(); ++y)
    std::memmove(dst.Row(dc.top + y) + dc.left * 3, src.Row(sy + y) + sx * 3, bytes);
}

void StretchCopy(Bitmap& dst, const Rect& dst_rect, const Bitmap& src, const Rect& src_rect) {
  Require24(dst);
  Require24(src);
  if (dst_rect.IsEmpty() || src_rect.IsEmpty()) return;
  Rect dc = dst_rect.Intersect(dst.Bounds());
  if (dc.IsEmpty()) return;
  const int64_t sw = src_rect.Width(), sh = src_rect.Height();
  const int64_t dw = dst_rect.Width(), dh = dst_rect.Height();
  std::vector<int32_t> xs(static_cast<size_t>(dc.Width()));
  for (int32_t x = dc.left; x < dc.right; ++x) {
    int64_t i = x - dst_rect.left;
    xs[static_cast<size_t>(x - dc.left)] = static_cast<int32_t>(src_rect.left + i * sw / dw);
  }
  for (int32_t y = dc.top; y < dc.bottom; ++y) {
    int64_t j = y - dst_rect.top;
    int32_t sy = static_cast<int32_t>(src_rect.top + j * sh / dh);
    uint8_t* d = dst.Row(y) + dc.left * 3;
    if (sy < 0 || sy >= src.Height()) continue;
    const uint8_t* srow = src.Row(sy);
    for (size_t k = 0; k < xs.size(); ++k, d += 3) {
      int32_t sx = xs[k];
      if (sx < 0 || sx >= src.Width()) continue;
      d[0] = srow[sx * 3];
      d[1] = srow[sx * 3 + 1];
      d[2] = srow[sx * 3 + 2];
    }
  }
}

}  // namespace gfx
