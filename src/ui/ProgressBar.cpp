// ProgressBar: a plain horizontal gauge from Min to Max.
#include "ui/ProgressBar.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "ui/PlainDraw.h"

namespace ui {

ProgressBar::ProgressBar() {
  SetOpaque(true);
  SetBounds(0, 0, 150, 16);
}

void ProgressBar::SetRange(int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  position_ = std::clamp(position_, min_, max_);
  Invalidate();
}

void ProgressBar::SetPosition(int v) {
  v = std::clamp(v, min_, max_);
  if (v == position_) return;
  position_ = v;
  Invalidate();
}

void ProgressBar::Paint(gfx::Canvas& canvas) {
  gfx::Rect r{0, 0, Width(), Height()};
  canvas.FillRect(r, GetColor());
  DrawBevel(canvas, r, false);
  gfx::Rect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  if (inner.IsEmpty() || max_ == min_) return;
  int64_t span = static_cast<int64_t>(max_) - min_;
  int filled = static_cast<int>(static_cast<int64_t>(inner.Width()) * (position_ - min_) / span);
  canvas.FillRect({inner.left, inner.top, inner.left + filled, inner.bottom}, kColorHighlight);
}

}  // namespace ui
