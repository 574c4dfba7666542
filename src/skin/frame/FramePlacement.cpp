// Where a skinned form goes: magnetic edges, the row of minimized forms, the maximized bounds.
#include "skin/frame/FramePlacement.h"

#include <algorithm>

namespace skin {

gfx::Point MagneticSnap(gfx::Point top_left, int32_t width, int32_t height, const gfx::Rect& area, int32_t m) {
  int32_t left = top_left.x, top = top_left.y;
  auto near = [m](int32_t value, int32_t edge) { return edge - m < value && value < edge + m; };
  if (near(left, area.left)) left = area.left;
  if (near(top, area.top)) top = area.top;
  if (near(left + width, area.right)) left = area.right - width;
  if (near(top + height, area.bottom)) top = area.bottom - height;
  return {left, top};
}

gfx::Point MinimizedPosition(const gfx::Rect& area, int32_t width, int32_t height,
                             const std::vector<gfx::Point>& taken) {
  gfx::Point p{area.left, area.bottom - height};
  // Each step visits a new place, so the search ends when the area has been walked once.
  const int64_t places = std::max<int64_t>(1, static_cast<int64_t>(std::max(1, area.Width() / std::max(1, width))) *
                                                  std::max(1, area.Height() / std::max(1, height)));
  for (int64_t i = 0; i <= places; ++i) {
    if (std::find(taken.begin(), taken.end(), p) == taken.end()) return p;
    p.x += width;
    if (p.x + width > area.right) {
      p.x = area.left;
      p.y -= height;
    }
    if (p.y < area.top) return {area.left, area.bottom - height};
  }
  return {area.left, area.bottom - height};
}

gfx::Rect MaximizedBounds(const gfx::Rect& monitor, const gfx::Rect& work_area, bool full_screen) {
  gfx::Rect target = full_screen ? monitor : work_area;
  if (work_area.Width() == monitor.Width() && work_area.Height() == monitor.Height()) {
    target = {target.left + 1, target.top + 1, target.right - 1, target.bottom - 1};
  }
  return target;
}

}  // namespace skin
