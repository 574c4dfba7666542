// A set of pixels as a list of rectangles (union, intersection, difference, point tests).
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "gfx/Geometry.h"

namespace gfx {

// Value type over a pixman 32-bit region; the pixman object stays an implementation detail.
// A default-constructed or moved-from region is the empty region and supports every operation.
class Region {
 public:
  Region() noexcept;
  explicit Region(const Rect& r);
  // The union of the rectangles in any order, built in one pass (as FromRects).
  explicit Region(const std::vector<Rect>& rects);
  // The union of many rectangles in any order, built in one pass: pixman sorts and merges the
  // whole list at once, which is much faster than adding them one by one for long lists such as
  // the runs of a mask.
  static Region FromRects(const Rect* rects, size_t count);
  Region(const Region& other);
  Region(Region&& other) noexcept;
  Region& operator=(const Region& other);
  Region& operator=(Region&& other) noexcept;
  ~Region();

  bool IsEmpty() const;
  Rect Bounds() const;
  bool Contains(Point p) const;
  // The rectangles in y-x banded order as pixman keeps them.
  std::vector<Rect> Rects() const;

  Region& Union(const Region& other);
  Region& Union(const Rect& r);
  Region& Intersect(const Region& other);
  Region& Intersect(const Rect& r);
  Region& Subtract(const Region& other);
  Region& Offset(int32_t dx, int32_t dy);

  friend bool operator==(const Region& a, const Region& b);

 private:
  struct Impl;
  // The pixman region to read (a shared empty one while there is none) and to change (made on
  // first use).
  const Impl& Read() const;
  Impl& Write();

  std::unique_ptr<Impl> impl_;  // null: the empty region
};

}  // namespace gfx
