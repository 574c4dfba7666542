// Small drawing helpers for the plain (unskinned) look: raised and sunken 3-D edges.
#include "ui/PlainDraw.h"

#include "gfx/Canvas.h"
#include "ui/Control.h"

namespace ui {

namespace {

void Edge(gfx::Canvas& canvas, const gfx::Rect& r, gfx::Color top_left, gfx::Color bottom_right) {
  if (r.IsEmpty()) return;
  canvas.FillRect({r.left, r.top, r.right - 1, r.top + 1}, top_left);
  canvas.FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, top_left);
  canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
  canvas.FillRect({r.right - 1, r.top, r.right, r.bottom}, bottom_right);
}

}  // namespace

void DrawRaisedEdge(gfx::Canvas& canvas, const gfx::Rect& r) {
  Edge(canvas, r, kColorBtnHighlight, kColor3dDkShadow);
  Edge(canvas, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, kColorBtnFace, kColorBtnShadow);
}

void DrawBevel(gfx::Canvas& canvas, const gfx::Rect& r, bool raised) {
  if (raised) Edge(canvas, r, kColorBtnHighlight, kColorBtnShadow);
  else Edge(canvas, r, kColorBtnShadow, kColorBtnHighlight);
}

void DrawEtchedFrame(gfx::Canvas& canvas, const gfx::Rect& r) {
  if (r.Width() < 2 || r.Height() < 2) return;
  canvas.FrameRect({r.left + 1, r.top + 1, r.right, r.bottom}, kColorBtnHighlight);
  canvas.FrameRect({r.left, r.top, r.right - 1, r.bottom - 1}, kColorBtnShadow);
}

}  // namespace ui
