// Where a track bar's thumb sits for a value, and which value a thumb offset stands for.
#include "skin/controls/TrackGeometry.h"

#include <algorithm>

#include "skin/controls/RangeMath.h"

namespace skin {

TrackThumb CalcTrackThumb(const gfx::Rect& track, gfx::Size thumb, double q, bool vertical) {
  const int32_t tw = std::max(0, thumb.width);
  const int32_t th = std::max(0, thumb.height);
  TrackThumb t;
  if (!vertical) {
    t.start = track.left + tw / 2;
    t.end = track.right - tw / 2;
    t.offset = OffsetAtRatio(q, t.end - t.start);
    const int32_t cy = track.top + track.Height() / 2;
    t.bounds = gfx::Rect::FromSize(t.start + t.offset - tw / 2, cy - th / 2, tw, th);
    return t;
  }
  t.start = track.top + th / 2;
  t.end = track.bottom - th / 2;
  t.offset = OffsetAtRatio(q, t.end - t.start);
  const int32_t cx = track.left + track.Width() / 2;
  t.bounds = gfx::Rect::FromSize(cx - tw / 2, t.end - t.offset - th / 2, tw, th);
  return t;
}

double TrackRatioFromOffset(int32_t a, int32_t start, int32_t end) {
  const int64_t length = static_cast<int64_t>(end) - start;
  if (length <= 0) return 0;
  return RangeRatio(a, 0, length);
}

gfx::Size PlainTrackThumbSize(int32_t width, int32_t height, bool vertical) {
  if (vertical) {
    const int32_t tw = std::max(0, width - 4);
    return {tw, tw / 2};
  }
  const int32_t th = std::max(0, height - 4);
  return {th / 2, th};
}

}  // namespace skin
