// Where the parts of a skinned window frame lie for one outer size of the window.
#include "skin/frame/FrameGeometry.h"

#include "skin/data/SkinData.h"

namespace skin {

FrameGeometry CalcFrameGeometry(const SkinFrameInfo& info, int32_t picture_width, int32_t picture_height,
                                int32_t width, int32_t height) {
  FrameGeometry g;
  g.width = width;
  g.height = height;
  g.picture_width = picture_width;
  g.picture_height = picture_height;
  const int32_t dx = width - picture_width;
  const int32_t dy = height - picture_height;
  g.dx = dx;
  g.dy = dy;
  g.lt = info.lefttoppoint;
  g.rt = {info.righttoppoint.x + dx, info.righttoppoint.y};
  g.lb = {info.leftbottompoint.x, info.leftbottompoint.y + dy};
  g.rb = {info.rightbottompoint.x + dx, info.rightbottompoint.y + dy};
  const gfx::Rect& c = info.clientrect;
  g.client = {c.left, c.top, c.right + dx, c.bottom + dy};
  g.caption = info.captionrect;
  if (!IsNullRect(g.caption)) g.caption.right += dx;
  g.buttons = info.buttonsrect;
  // A row of buttons in the right half of the picture follows the right edge.
  if (!IsNullRect(g.buttons) && g.buttons.left > picture_width / 2) g.buttons = g.buttons.Offset(dx, 0);
  g.buttons_offset = info.buttonsoffset;
  g.buttons_in_left = info.buttonsinleft;
  g.hit_lt = info.hittestlefttoppoint;
  g.hit_rt = {info.hittestrighttoppoint.x + dx, info.hittestrighttoppoint.y};
  g.hit_lb = {info.hittestleftbottompoint.x, info.hittestleftbottompoint.y + dy};
  g.hit_rb = {info.hittestrightbottompoint.x + dx, info.hittestrightbottompoint.y + dy};
  const gfx::Rect& m = info.maskrectarea;
  g.mask_area = {m.left, m.top, m.right + dx, m.bottom + dy};
  g.border_width = info.borderwidth;
  return g;
}

gfx::Rect MapSkinRect(const FrameGeometry& g, const SkinFrameInfo& info, const gfx::Rect& r) {
  const int32_t pw = g.picture_width, ph = g.picture_height;
  const gfx::Point lt = info.lefttoppoint, rt = info.righttoppoint, lb = info.leftbottompoint,
                   rb = info.rightbottompoint;
  const gfx::Rect top_left{0, 0, lt.x, lt.y};
  const gfx::Rect top_right{rt.x, 0, pw, rt.y};
  const gfx::Rect bottom_left{0, lb.y, lb.x, ph};
  const gfx::Rect bottom_right{rb.x, rb.y, pw, ph};
  const int32_t dx = g.dx, dy = g.dy;
  if (RectInside(r, top_left)) return r;
  if (RectInside(r, top_right)) return r.Offset(dx, 0);
  if (RectInside(r, bottom_left)) return r.Offset(0, dy);
  if (RectInside(r, bottom_right)) return r.Offset(dx, dy);
  const gfx::Point a = r.TopLeft();
  const gfx::Point b{r.right, r.bottom};
  gfx::Rect out = r;
  if (top_left.Contains(a) && bottom_right.Contains(b)) {
    out.right += dx;
    out.bottom += dy;
  } else if (top_left.Contains(a) && top_right.Contains(b)) {
    out.right += dx;
  } else if (bottom_left.Contains(a) && bottom_right.Contains(b)) {
    out.right += dx;
    out = out.Offset(0, dy);
  } else if (top_left.Contains(a) && bottom_left.Contains(b)) {
    out.bottom += dy;
  } else if (top_right.Contains(a) && bottom_right.Contains(b)) {
    out = out.Offset(dx, 0);
    out.bottom += dy;
  }
  return out;
}

SkinSource FrameSource(const SkinFrameInfo& info, int32_t picture_width, int32_t picture_height) {
  return {{0, 0, picture_width, picture_height},
          info.lefttoppoint,
          info.righttoppoint,
          info.leftbottompoint,
          info.rightbottompoint,
          info.clientrect};
}

SkinTarget FrameTarget(const FrameGeometry& g) { return {g.lt, g.rt, g.lb, g.rb, g.client, g.width, g.height}; }

MaskSource FrameMaskSource(const SkinFrameInfo& info) {
  return {info.lefttoppoint, info.righttoppoint, info.leftbottompoint, info.rightbottompoint, info.maskrectarea};
}

SkinTarget FrameMaskTarget(const FrameGeometry& g) {
  return {g.lt, g.rt, g.lb, g.rb, g.mask_area, g.width, g.height};
}

}  // namespace skin
