// A gauge's filled part: its rectangle for a ratio, the tiled progress image and the percent text.
#include "skin/controls/GaugeFill.h"

#include <algorithm>

#include "skin/controls/RangeMath.h"
#include "skin/render/PieceCopy.h"

namespace skin {

gfx::Rect GaugeFilledRect(const gfx::Rect& area, double q, bool vertical) {
  gfx::Rect f = area;
  if (vertical) {
    f.top = area.bottom - OffsetAtRatio(q, area.Height());
    return f;
  }
  f.right = area.left + OffsetAtRatio(q, area.Width());
  return f;
}

namespace {

// Copies of `piece` side by side along x over [from, to) of the row band [top, bottom), the last
// one cut on the right. Only the copies that meet the target are visited, so a huge or far-off
// area costs no more than the target's width.
void TileRight(gfx::Bitmap& target, int32_t from, int32_t to, int32_t top, int32_t bottom, const gfx::Bitmap& pic,
               const gfx::Rect& piece) {
  const int32_t step = piece.Width();
  if (step <= 0 || to <= from) return;
  bottom = top + std::min(piece.Height(), bottom - top);
  int64_t x = from;
  if (x < 0) x += (-x / step) * step;
  const int64_t stop = std::min<int64_t>(to, target.Width());
  for (; x < stop; x += step) {
    const int32_t w = static_cast<int32_t>(std::min<int64_t>(step, to - x));
    const int32_t xi = static_cast<int32_t>(x);
    CopyPiece(target, {xi, top, xi + w, bottom}, pic, {piece.left, piece.top, piece.left + w, piece.bottom});
  }
}

// Copies of `piece` stacked upwards from `to` over [from, to) of the column band [left, right), the
// last one losing its top rows.
void TileUp(gfx::Bitmap& target, int32_t from, int32_t to, int32_t left, int32_t right, const gfx::Bitmap& pic,
            const gfx::Rect& piece) {
  const int32_t step = piece.Height();
  if (step <= 0 || to <= from) return;
  right = left + std::min(piece.Width(), right - left);
  int64_t y = to;  // the bottom of the next copy
  if (y > target.Height()) y -= ((y - target.Height()) / step) * step;
  for (; y > from && y > 0; y -= step) {
    const int32_t h = static_cast<int32_t>(std::min<int64_t>(step, y - from));
    const int32_t yi = static_cast<int32_t>(y);
    CopyPiece(target, {left, yi - h, right, yi}, pic, {piece.left, piece.bottom - h, piece.right, piece.bottom});
  }
}

}  // namespace

void DrawGaugeProgress(gfx::Bitmap& target, const gfx::Rect& filled, const gfx::Bitmap& pic, const gfx::Rect& source,
                       int32_t begin, int32_t end, bool vertical) {
  if (filled.IsEmpty() || source.IsEmpty()) return;
  gfx::Bitmap scratch;
  const gfx::Bitmap& p = As24(pic, scratch);
  const gfx::Rect& s = source;
  // Neither end can be longer than the image it is cut from.
  const int32_t extent = vertical ? s.Height() : s.Width();
  const int32_t b = std::clamp(begin, 0, extent);
  const int32_t e = std::clamp(end, 0, extent);
  // Copies keep the source's size across the gauge; a filled part thicker than the image is not
  // stretched to it.
  gfx::Rect f = filled;
  if (!vertical) f.bottom = f.top + std::min(f.Height(), s.Height());
  else f.right = f.left + std::min(f.Width(), s.Width());
  if (!vertical) {
    TileRight(target, f.left + b, f.right - e, f.top, f.bottom, p, {s.left + b, s.top, s.right - e, s.bottom});
    if (static_cast<int64_t>(f.Width()) < static_cast<int64_t>(b) + e) return;
    if (b > 0) CopyPiece(target, {f.left, f.top, f.left + b, f.bottom}, p, {s.left, s.top, s.left + b, s.bottom});
    if (e > 0) CopyPiece(target, {f.right - e, f.top, f.right, f.bottom}, p, {s.right - e, s.top, s.right, s.bottom});
    return;
  }
  TileUp(target, f.top + b, f.bottom - e, f.left, f.right, p, {s.left, s.top + b, s.right, s.bottom - e});
  if (static_cast<int64_t>(f.Height()) < static_cast<int64_t>(b) + e) return;
  if (b > 0) CopyPiece(target, {f.left, f.top, f.right, f.top + b}, p, {s.left, s.top, s.right, s.top + b});
  if (e > 0) CopyPiece(target, {f.left, f.bottom - e, f.right, f.bottom}, p, {s.left, s.bottom - e, s.right, s.bottom});
}

std::string GaugeText(const std::string& progress_text, bool show_progress_text, bool show_percent, double q) {
  std::string text;
  if (show_progress_text) text = progress_text;
  if (show_percent) text += std::to_string(OffsetAtRatio(q, 100)) + "%";
  return text;
}

}  // namespace skin
