// Readable failure messages for rectangles and points in the control tests.
#pragma once

#include <ostream>

#include "gfx/Geometry.h"

namespace gfx {
inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
inline void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
}  // namespace gfx
