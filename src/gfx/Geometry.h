// Points, sizes and rectangles in integer pixel coordinates, and a picture's fractional extent.
#pragma once

#include <algorithm>
#include <cstdint>

namespace gfx {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// The part of a picture's pixels that its content covers, in pixel units: the whole of them
// unless the content ends or starts part-way into an edge column or row, as a picture decoded at a
// fraction of its size does (the decoder rounds each scaled side up).
struct PictureExtent {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  friend bool operator==(const PictureExtent&, const PictureExtent&) = default;
};

// Right and bottom are exclusive: Width() == right - left.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  static constexpr Rect FromSize(int32_t x, int32_t y, int32_t w, int32_t h) { return {x, y, x + w, y + h}; }

  constexpr int32_t Width() const { return right - left; }
  constexpr int32_t Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr Point TopLeft() const { return {left, top}; }
  constexpr Rect Offset(int32_t dx, int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  constexpr Rect Intersect(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    if (r.IsEmpty()) return {};
    return r;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace gfx
