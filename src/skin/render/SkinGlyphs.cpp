// Small glyphs drawn with canvas lines.
#include "skin/render/SkinGlyphs.h"

#include "gfx/Canvas.h"

namespace skin {

namespace {

using gfx::Canvas;
using gfx::Point;

// Sets a solid 1-pixel pen of one colour and puts the canvas's pen and pen position back afterwards.
class PenScope {
 public:
  PenScope(Canvas& canvas, gfx::Color color) : canvas_(canvas), pen_(canvas.Pen()), pos_(canvas.PenPos()) {
    canvas_.SetPen(gfx::Pen{color, 1, gfx::PenMode::kCopy, gfx::PenStyle::kSolid});
  }
  PenScope(const PenScope&) = delete;
  PenScope& operator=(const PenScope&) = delete;
  ~PenScope() {
    canvas_.SetPen(pen_);
    canvas_.MoveTo(pos_.x, pos_.y);
  }

 private:
  Canvas& canvas_;
  gfx::Pen pen_;
  Point pos_;
};

void Line(Canvas& c, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  c.MoveTo(x0, y0);
  c.LineTo(x1, y1);
}

// The pixels x0..x1 of row y, both included.
void Row(Canvas& c, int32_t y, int32_t x0, int32_t x1) { Line(c, x0, y, x1 + 1, y); }
// The pixels y0..y1 of column x, both included.
void Column(Canvas& c, int32_t x, int32_t y0, int32_t y1) { Line(c, x, y0, x, y1 + 1); }

Point Centre(const gfx::Rect& r) { return {r.left + r.Width() / 2, r.top + r.Height() / 2}; }

}  // namespace

void DrawGlyphFrame(Canvas& canvas, int32_t x, int32_t y, int frame, int count, const gfx::Bitmap& strip) {
  if (strip.IsEmpty() || count <= 0 || frame < 1 || frame > count) return;
  const int32_t fw = strip.Width() / count;
  if (fw <= 0) return;
  const gfx::Rect piece{fw * (frame - 1), 0, fw * frame, strip.Height()};
  canvas.CopyTransparent({x, y}, strip, piece, strip.Pixel(piece.left, strip.Height() - 1));
}

void DrawArrow(Canvas& canvas, const gfx::Rect& r, gfx::Color color, int kind) {
  if (kind < kArrowLeft || kind > kArrowDown) return;
  PenScope pen(canvas, color);
  const Point c = Centre(r);
  for (int32_t i = 0; i <= 3; ++i) {
    switch (kind) {
      case kArrowLeft: Column(canvas, c.x - 2 + i, c.y - i, c.y + i); break;
      case kArrowRight: Column(canvas, c.x + 2 - i, c.y - i, c.y + i); break;
      case kArrowUp: Row(canvas, c.y - 2 + i, c.x - i, c.x + i); break;
      case kArrowDown: Row(canvas, c.y + 2 - i, c.x - i, c.x + i); break;
    }
  }
}

void DrawSmallDownArrow(Canvas& canvas, const gfx::Rect& r, gfx::Color color) {
  PenScope pen(canvas, color);
  const Point c = Centre(r);
  for (int32_t n = 2; n >= 0; --n) Row(canvas, c.y + 2 - n, c.x - n, c.x + n);
}

void DrawCheckMark(Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  PenScope pen(canvas, color);
  for (int32_t i = 0; i <= 2; ++i) {
    const Point stroke[] = {{x, y + 5 - i}, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}};
    canvas.Polyline(stroke);
  }
}

void DrawRadioMark(Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  canvas.FillRect({x, y, x + 6, y + 6}, color);
}

void DrawCloseGlyph(Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  PenScope pen(canvas, color);
  Line(canvas, x + 1, y + 1, x + 9, y + 9);
  Line(canvas, x + 9, y + 1, x + 1, y + 9);
  Line(canvas, x + 2, y + 1, x + 10, y + 9);
  Line(canvas, x + 8, y + 1, x, y + 9);
}

void DrawCloseGlyph(Canvas& canvas, const gfx::Rect& r, gfx::Color color) {
  const Point c = Centre(r);
  DrawCloseGlyph(canvas, c.x - 5, c.y - 5, color);
}

void DrawMinimizeGlyph(Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  PenScope pen(canvas, color);
  Line(canvas, x + 1, y + 8, x + 9, y + 8);
  Line(canvas, x + 1, y + 9, x + 9, y + 9);
}

void DrawMaximizeGlyph(Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  // The second outline thickens the top into a title bar.
  canvas.FrameRect({x, y, x + 11, y + 10}, color);
  canvas.FrameRect({x, y, x + 11, y + 2}, color);
}

void DrawRestoreGlyph(Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  canvas.FrameRect({x + 2, y, x + 10, y + 6}, color);
  canvas.FrameRect({x + 2, y, x + 10, y + 2}, color);
  canvas.FrameRect({x, y + 4, x + 7, y + 10}, color);
  canvas.FrameRect({x, y + 4, x + 7, y + 6}, color);
}

void DrawRollDownGlyph(Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  PenScope pen(canvas, color);
  for (int32_t i = 0; i <= 4; ++i) Line(canvas, x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i);
}

void DrawRollUpGlyph(Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  PenScope pen(canvas, color);
  for (int32_t i = 0; i <= 4; ++i) Line(canvas, x + 1 + i, y + 6 - i, x + 9 - i, y + 6 - i);
}

void DrawSysMenuGlyph(Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  canvas.FrameRect({x + 1, y + 3, x + 9, y + 6}, color);
}

void DrawMinToTrayGlyph(Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  canvas.FillRect({x + 2, y + 2, x + 7, y + 7}, color);
}

void DrawFrame3D(Canvas& canvas, const gfx::Rect& r, gfx::Color top_left, gfx::Color bottom_right) {
  const int32_t right = r.right - 1, bottom = r.bottom - 1;
  {
    PenScope pen(canvas, top_left);
    const Point up_and_across[] = {{r.left, bottom}, {r.left, r.top}, {right, r.top}};
    canvas.Polyline(up_and_across);
  }
  PenScope pen(canvas, bottom_right);
  const Point down_and_back[] = {{right, r.top}, {right, bottom}, {r.left - 1, bottom}};
  canvas.Polyline(down_and_back);
}

}  // namespace skin
