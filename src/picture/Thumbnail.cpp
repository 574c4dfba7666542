// Thumbnail sizing with integer division, scaled with the high-quality filter.
#include "picture/Thumbnail.h"

#include <algorithm>
#include <cstdint>

#include "gfx/Resample.h"

namespace picture {

gfx::Bitmap MakeThumbnail(const gfx::Bitmap& picture) {
  if (picture.IsEmpty()) return {};
  constexpr int64_t kSide = 180;
  const int64_t w = picture.Width(), h = picture.Height();
  if (w <= kSide && h <= kSide) return picture.ToBgr24();
  int64_t tw = kSide, th = kSide;
  if (h >= w)
    tw = kSide * w / h;
  else
    th = kSide * h / w;
  // A sliver (1 x 5000, say) has a side of 0 at this scale; it keeps one pixel so it still shows.
  tw = std::max<int64_t>(tw, 1);
  th = std::max<int64_t>(th, 1);
  return gfx::ResizeHighQuality(picture, static_cast<int32_t>(tw), static_cast<int32_t>(th));
}

}  // namespace picture
