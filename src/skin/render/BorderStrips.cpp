// Frame and mask border strip builders.
#include "skin/render/BorderStrips.h"

#include "skin/render/PieceCopy.h"

namespace skin {

using gfx::Rect;

void BuildFrameBorders(BorderStrips& strips, const gfx::Bitmap& pic, const SkinSource& src, const SkinTarget& dst,
                       EdgeStretch stretch) {
  gfx::Bitmap scratch;
  const gfx::Bitmap& p = As24(pic, scratch);
  const int32_t sw = RectWidth(src.source), sh = RectHeight(src.source);
  const int32_t w = dst.width, h = dst.height;
  const Rect& c = src.client;
  const Rect& nc = dst.client;
  const gfx::Point lt = src.lt, rt = src.rt, lb = src.lb, rb = src.rb;
  auto copy = [&](gfx::Bitmap& strip, const Rect& from, const Rect& to, Fit fx = Fit::kScale, Fit fy = Fit::kScale) {
    CopyPiece(strip, to, p, from.Offset(src.source.left, src.source.top), fx, fy);
  };

  if (w > 0 && nc.top > 0 && rt.x - lt.x > 0) {
    const int32_t th = nc.top;
    ResetTarget(strips.top, w, th);
    if (stretch.top)
      copy(strips.top, {lt.x, 0, rt.x, th}, {dst.lt.x, 0, dst.rt.x, th});
    else
      copy(strips.top, {lt.x, 0, rt.x, th}, {0, 0, w, th}, Fit::kRepeat);
    copy(strips.top, {0, 0, lt.x, th}, {0, 0, dst.lt.x, th});
    copy(strips.top, {rt.x, 0, sw, th}, {dst.rt.x, 0, w, th});
  }

  const int32_t hb = h - nc.bottom;
  if (w > 0 && hb > 0 && rb.x - lb.x > 0) {
    const int32_t y0 = sh - hb;
    ResetTarget(strips.bottom, w, hb);
    if (stretch.bottom)
      copy(strips.bottom, {lb.x, y0, rb.x, sh}, {dst.lb.x, 0, dst.rb.x, hb});
    else
      copy(strips.bottom, {lb.x, y0, rb.x, sh}, {0, 0, w, hb}, Fit::kRepeat);
    copy(strips.bottom, {0, y0, lb.x, sh}, {0, 0, dst.lb.x, hb});
    copy(strips.bottom, {rb.x, y0, sw, sh}, {dst.rb.x, 0, w, hb});
  }

  // The side strips fill the height the top and bottom strips leave.
  const int32_t hl = h - strips.top.Height() - strips.bottom.Height();
  if (nc.left > 0 && hl > 0 && lb.y - lt.y > 0) {
    ResetTarget(strips.left, nc.left, hl);
    if (stretch.left)
      copy(strips.left, {0, lt.y, nc.left, lb.y}, {0, lt.y - c.top, nc.left, hl - (c.bottom - lb.y)});
    else
      copy(strips.left, {0, lt.y, nc.left, lb.y}, {0, 0, nc.left, hl}, Fit::kScale, Fit::kRepeat);
    if (lt.y - c.top > 0) copy(strips.left, {0, c.top, nc.left, lt.y}, {0, 0, nc.left, lt.y - c.top});
    if (c.bottom - lb.y > 0)
      copy(strips.left, {0, lb.y, nc.left, c.bottom}, {0, hl - (c.bottom - lb.y), nc.left, hl});
  }

  const int32_t wr = w - nc.right;
  if (wr >= 1 && hl >= 1 && rb.y - rt.y >= 1) {
    ResetTarget(strips.right, wr, hl);
    if (stretch.right)
      copy(strips.right, {c.right, rt.y, sw, rb.y}, {0, rt.y - c.top, wr, hl - (c.bottom - rb.y)});
    else
      copy(strips.right, {c.right, rt.y, sw, rb.y}, {0, 0, wr, hl}, Fit::kScale, Fit::kRepeat);
    if (rt.y - c.top > 0) copy(strips.right, {c.right, c.top, sw, rt.y}, {0, 0, wr, rt.y - c.top});
    if (c.bottom - rb.y >= 1)
      copy(strips.right, {c.right, rb.y, sw, c.bottom}, {0, hl - (c.bottom - rb.y), wr, hl});
  }
}

void BuildMaskBorders(BorderStrips& strips, const gfx::Bitmap& mask, const MaskSource& src, const SkinTarget& dst) {
  gfx::Bitmap scratch;
  const gfx::Bitmap& m = As24(mask, scratch);
  const int32_t mw = m.Width(), mh = m.Height();
  const Rect& a = src.inner;
  const int32_t w = dst.width;
  const int32_t h = RectHeight(dst.client);
  const gfx::Point lt = src.lt, rt = src.rt, lb = src.lb, rb = src.rb;

  if (a.left > 0 && h > 0) {
    ResetTarget(strips.left, a.left, h);
    CopyPiece(strips.left, {0, 0, a.left, h}, m, {0, lt.y, a.left, lb.y}, Fit::kScale, Fit::kRepeat);
    if (lt.y - a.top > 0) CopyPiece(strips.left, {0, 0, a.left, lt.y - a.top}, m, {0, a.top, a.left, lt.y});
    if (a.bottom - lb.y > 0)
      CopyPiece(strips.left, {0, h - (a.bottom - lb.y), a.left, h}, m, {0, lb.y, a.left, a.bottom});
  }

  const int32_t wr = mw - a.right;
  if (wr > 0 && h > 0) {
    ResetTarget(strips.right, wr, h);
    CopyPiece(strips.right, {0, 0, wr, h}, m, {a.right, rt.y, mw, rb.y}, Fit::kScale, Fit::kRepeat);
    if (rt.y - a.top > 0) CopyPiece(strips.right, {0, 0, wr, rt.y - a.top}, m, {a.right, a.top, mw, rt.y});
    if (a.bottom - rb.y > 0)
      CopyPiece(strips.right, {0, h - (a.bottom - rb.y), wr, h}, m, {a.right, rb.y, mw, a.bottom});
  }

  if (w > 0 && a.top > 0) {
    ResetTarget(strips.top, w, a.top);
    CopyPiece(strips.top, {dst.lt.x, 0, dst.rt.x, a.top}, m, {lt.x, 0, rt.x, a.top}, Fit::kRepeat);
    CopyPiece(strips.top, {0, 0, lt.x, a.top}, m, {0, 0, lt.x, a.top});
    CopyPiece(strips.top, {dst.rt.x, 0, w, a.top}, m, {rt.x, 0, mw, a.top});
  }

  const int32_t hb = mh - a.bottom;
  if (w >= 1 && hb >= 1) {
    ResetTarget(strips.bottom, w, hb);
    CopyPiece(strips.bottom, {dst.lb.x, 0, dst.rb.x, hb}, m, {lb.x, a.bottom, rb.x, mh}, Fit::kRepeat);
    CopyPiece(strips.bottom, {0, 0, lb.x, hb}, m, {0, a.bottom, lb.x, mh});
    CopyPiece(strips.bottom, {dst.rb.x, 0, w, hb}, m, {rb.x, a.bottom, mw, mh});
  }
}

}  // namespace skin
