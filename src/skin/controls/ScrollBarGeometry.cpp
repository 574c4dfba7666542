// The parts of a scroll bar (buttons, track, thumb) and the position a thumb drag stands for.
#include "skin/controls/ScrollBarGeometry.h"

#include <algorithm>

#include "skin/controls/RangeMath.h"

namespace skin {

namespace {

constexpr int32_t kPlainButton = 16;

// Max - Min + 1 and Max - PageSize - Min + 1 in 64 bits: no bounds overflow them.
int64_t Count(const ScrollRange& r) { return static_cast<int64_t>(r.max) - r.min + 1; }
int64_t PagedSpan(const ScrollRange& r) { return static_cast<int64_t>(r.max) - r.page - r.min + 1; }

}  // namespace

int32_t ClampScrollPosition(const ScrollRange& range, int64_t position) {
  if (range.page != 0) {
    int64_t hi = PagedSpan(range) + range.min;
    // A page larger than an upright range leaves no room: the position stays at the minimum.
    if (range.min <= range.max && hi < range.min) hi = range.min;
    return ClampMinFirst(position, range.min, static_cast<int32_t>(std::clamp<int64_t>(hi, INT32_MIN, INT32_MAX)));
  }
  return ClampMinFirst(position, range.min, range.max);
}

ScrollThumb CalcScrollThumb(int32_t track_start, int32_t track_length, int32_t min_length, const ScrollRange& range,
                            bool vertical, bool even_length) {
  ScrollThumb t;
  track_length = std::max(0, track_length);
  int32_t length = std::max(0, min_length);
  double q = 0;
  if (range.page == 0) {
    q = RangeRatio(range.position, range.min, range.max);
  } else {
    const int64_t count = Count(range);
    if (count > 0) {
      const int64_t fitted = RoundHalfEven(static_cast<double>(track_length) * range.page / static_cast<double>(count));
      length = static_cast<int32_t>(std::clamp<int64_t>(fitted, length, INT32_MAX));
    } else {
      length = track_length;
    }
    const int64_t span = PagedSpan(range);
    q = span > 0 ? RangeRatio(range.position - range.min, 0, span) : (vertical ? 0.0 : 1.0);
  }
  length = std::min(length, track_length);
  const int32_t half = length / 2;
  if (range.page != 0 && even_length) length = 2 * half;
  t.length = length;
  t.start = track_start + half;
  t.end = track_start + track_length - half;
  t.offset = OffsetAtRatio(q, track_length - 2 * half);
  // An odd thumb filling the whole track would reach one pixel past it at the far end.
  t.offset = std::min(t.offset, track_length - length);
  return t;
}

int64_t ScrollPositionFromOffset(int32_t d, const ScrollThumb& thumb, const ScrollRange& range) {
  const int64_t length = static_cast<int64_t>(thumb.end) - thumb.start;
  const double r = length > 0 ? RangeRatio(d, 0, length) : 0.0;
  const int64_t span = range.page != 0 ? PagedSpan(range) : static_cast<int64_t>(range.max) - range.min;
  return range.min + RoundHalfEven(static_cast<double>(span) * r);
}

gfx::Rect ScrollThumbRect(const gfx::Rect& track, const ScrollThumb& thumb, int32_t breadth, bool vertical) {
  if (thumb.length <= 0) return {};
  if (!vertical) {
    const int32_t left = track.left + thumb.offset;
    if (breadth <= 0) return {left, track.top, left + thumb.length, track.bottom};
    const int32_t top = track.top + (track.Height() - breadth) / 2;
    return {left, top, left + thumb.length, top + breadth};
  }
  const int32_t top = track.top + thumb.offset;
  if (breadth <= 0) return {track.left, top, track.right, top + thumb.length};
  const int32_t left = track.left + (track.Width() - breadth) / 2;
  return {left, top, left + breadth, top + thumb.length};
}

ScrollParts CalcPlainScrollParts(int32_t width, int32_t height, const ScrollRange& range, bool vertical) {
  ScrollParts p;
  const int32_t b = kPlainButton + 1;
  if (!vertical) {
    p.dec = {1, 1, b, height - 1};
    p.inc = {width - b, 1, width - 1, height - 1};
    p.track = {b, 1, std::max(b, width - b), height - 1};
    p.along = CalcScrollThumb(p.track.left, p.track.Width(), kPlainButton, range, false, true);
  } else {
    p.dec = {1, 1, width - 1, b};
    p.inc = {1, height - b, width - 1, height - 1};
    p.track = {1, b, width - 1, std::max(b, height - b)};
    p.along = CalcScrollThumb(p.track.top, p.track.Height(), kPlainButton, range, true, true);
  }
  p.thumb = ScrollThumbRect(p.track, p.along, 0, vertical);
  return p;
}

}  // namespace skin
