// Rectangle and point tests of the skin code, and the geometry of a skin rectangle and of its target.
#pragma once

#include <cstdint>

#include "gfx/Geometry.h"

namespace skin {

constexpr int32_t RectWidth(const gfx::Rect& r) { return r.right - r.left; }
constexpr int32_t RectHeight(const gfx::Rect& r) { return r.bottom - r.top; }
constexpr bool IsNullRect(const gfx::Rect& r) { return RectWidth(r) <= 0 || RectHeight(r) <= 0; }
// A point with either coordinate 0 counts as "not given" in skin records.
constexpr bool IsNullPoint(gfx::Point p) { return p.x == 0 || p.y == 0; }
// All four edges inclusive.
constexpr bool PointInside(const gfx::Rect& r, gfx::Point p) {
  return r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom;
}
// Both corners of a tested with the half-open point test of b (left and top inclusive, right and
// bottom exclusive), so a rectangle reaching b's right or bottom edge is not inside.
constexpr bool RectInside(const gfx::Rect& a, const gfx::Rect& b) {
  return b.Contains(a.TopLeft()) && b.Contains({a.right, a.bottom});
}

// Where a skin rectangle lies in its picture and how it is cut. The corner points and the client
// rectangle are relative to source's top-left corner.
//
//        lt.x          rt.x
//   +------+------------+------+ 0
//   |      | top edge   |      |
//   |   +--+------------+--+   | client.top
//   | left               right | lt.y, rt.y: where the left and right edges start
//   | edge     client     edge |
//   |   +--+------------+--+   | lb.y, rb.y: where they end; client.bottom
//   |      | bottom edge|      |
//   +------+------------+------+ Sh
//        lb.x          rb.x
//
// Each corner is L-shaped: a part in the top or bottom band and a part in the left or right band.
struct SkinSource {
  gfx::Rect source;  // S
  gfx::Point lt, rt, lb, rb;
  gfx::Rect client;  // C
};

// The corner points and client rectangle of an image to build, relative to its top-left corner.
struct SkinTarget {
  gfx::Point lt, rt, lb, rb;
  gfx::Rect client;
  int32_t width = 0;
  int32_t height = 0;
};

// The usual target for a width x height image: the right corners move with the width, the bottom
// corners with the height and the client rectangle grows by both.
constexpr SkinTarget UsualTarget(const SkinSource& s, int32_t width, int32_t height) {
  const int32_t dw = width - RectWidth(s.source);
  const int32_t dh = height - RectHeight(s.source);
  return {s.lt,
          {s.rt.x + dw, s.rt.y},
          {s.lb.x, s.lb.y + dh},
          {s.rb.x + dw, s.rb.y + dh},
          {s.client.left, s.client.top, s.client.right + dw, s.client.bottom + dh},
          width,
          height};
}

// A mask picture used whole: its corner points and inner rectangle (the part the window's inner
// rectangle covers).
struct MaskSource {
  gfx::Point lt, rt, lb, rb;
  gfx::Rect inner;  // A
};

}  // namespace skin
