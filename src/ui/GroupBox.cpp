// GroupBox: a framed container with a caption on its top edge.
#include "ui/GroupBox.h"

#include "gfx/Canvas.h"
#include "ui/PlainDraw.h"

namespace ui {

GroupBox::GroupBox() {
  SetOpaque(true);
  SetBounds(0, 0, 185, 105);
}

gfx::Rect GroupBox::AlignRect() const {
  int h = GetFont().TextHeight();
  gfx::Rect r = ClientRect();
  gfx::Rect inner{r.left + 2, r.top + h, r.right - 2, r.bottom - 2};
  if (inner.right < inner.left) inner.right = inner.left;
  if (inner.bottom < inner.top) inner.bottom = inner.top;
  return inner;
}

void GroupBox::Paint(gfx::Canvas& canvas) {
  gfx::Rect r{0, 0, Width(), Height()};
  canvas.FillRect(r, GetColor());
  canvas.SetFont(GetFont());
  int h = canvas.TextHeight("0");
  DrawEtchedFrame(canvas, {r.left, r.top + h / 2, r.right, r.bottom});
  if (Caption().empty()) return;
  gfx::Rect text{8, 0, 0, h};
  canvas.DrawText(text, Caption(), gfx::kDtCalcRect | gfx::kDtSingleLine);
  text.right += 2;
  canvas.FillRect({text.left - 1, text.top, text.right, text.bottom}, GetColor());
  canvas.Brush().style = gfx::BrushStyle::kClear;
  canvas.DrawText(text, Caption(), gfx::kDtSingleLine);
}

}  // namespace ui
