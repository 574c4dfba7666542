// Bevel: a sunken or raised box, frame or line drawn on the parent, to group or divide controls.
#include "ui/Bevel.h"

#include "gfx/Canvas.h"

namespace ui {

namespace {

// The edges 1 pixel just inside r: the left one (with the bottom-left corner) and the top one in
// `first`, the right one (with the top-right corner) and the bottom one in `second`.
void BevelRect(gfx::Canvas& canvas, const gfx::Rect& r, gfx::Color first, gfx::Color second) {
  if (r.IsEmpty()) return;
  canvas.FillRect({r.left, r.top, r.left + 1, r.bottom}, first);
  canvas.FillRect({r.left, r.top, r.right - 1, r.top + 1}, first);
  canvas.FillRect({r.right - 1, r.top, r.right, r.bottom - 1}, second);
  canvas.FillRect({r.left + 1, r.bottom - 1, r.right, r.bottom}, second);
}

}  // namespace

Bevel::Bevel() : light_(kColorBtnHighlight), dark_(kColorBtnShadow) { SetBounds(0, 0, 50, 50); }

void Bevel::SetShape(BevelShape shape) {
  if (shape == shape_) return;
  shape_ = shape;
  Invalidate();
}

void Bevel::SetStyle(BevelStyle style) {
  if (style == style_) return;
  style_ = style;
  Invalidate();
}

void Bevel::SetColors(gfx::Color light, gfx::Color dark) {
  if (light == light_ && dark == dark_) return;
  light_ = light;
  dark_ = dark;
  Invalidate();
}

void Bevel::Paint(gfx::Canvas& canvas) {
  const int w = Width(), h = Height();
  const gfx::Color first = style_ == BevelStyle::kLowered ? dark_ : light_;
  const gfx::Color second = style_ == BevelStyle::kLowered ? light_ : dark_;
  switch (shape_) {
    case BevelShape::kBox:
      BevelRect(canvas, {0, 0, w, h}, first, second);
      return;
    case BevelShape::kFrame:
      // An etched frame: the second colour one pixel in, the first over it one pixel out.
      BevelRect(canvas, {1, 1, w, h}, second, second);
      BevelRect(canvas, {0, 0, w - 1, h - 1}, first, first);
      return;
    case BevelShape::kTopLine:
      canvas.FillRect({0, 0, w, 1}, first);
      canvas.FillRect({0, 1, w, 2}, second);
      return;
    case BevelShape::kBottomLine:
      canvas.FillRect({0, h - 2, w, h - 1}, first);
      canvas.FillRect({0, h - 1, w, h}, second);
      return;
    case BevelShape::kLeftLine:
      canvas.FillRect({0, 0, 1, h}, first);
      canvas.FillRect({1, 0, 2, h}, second);
      return;
    case BevelShape::kRightLine:
      canvas.FillRect({w - 2, 0, w - 1, h}, first);
      canvas.FillRect({w - 1, 0, w, h}, second);
      return;
    case BevelShape::kSpacer:
      return;
  }
}

}  // namespace ui
