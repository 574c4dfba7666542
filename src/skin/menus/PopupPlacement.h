// PopupPlacement: where a popup level goes relative to its anchor inside the work area.
#pragma once

#include "gfx/Geometry.h"

namespace skin {

struct PopupPlacementRequest {
  gfx::Size size;        // the window's size
  gfx::Rect anchor;      // screen coordinates; a point is (x, y, x, y)
  gfx::Rect work_area;
  int32_t items_top = 0;  // top of the items area inside the window (a submenu's first item lines up)
  bool needs_scroll = false;
  bool submenu = false;
  bool upward = false;
};

// The window's top-left corner. The vertical position is chosen first:
// - a scrolling window starts at the work area's top;
// - a submenu lines its first item up with the anchor when it fits above the work area's bottom;
//   otherwise it ends at the work area's bottom when the anchor lies in the upper half, else it ends
//   at the anchor's bottom (lined up likewise), not above the work area's top;
// - upward: it ends at the anchor's top when that stays inside; otherwise (marked overlapping) in the
//   upper half it starts at the anchor's bottom when it fits below, else ends at the work area's
//   bottom, and in the lower half starts at the work area's top;
// - downward: it starts at the anchor's bottom when it fits below; otherwise (marked overlapping) in
//   the upper half it ends at the work area's bottom, and in the lower half it ends at the anchor's
//   top (no longer overlapping) when that stays inside, else starts at the work area's top.
// Horizontally a submenu, a scrolling window or an overlapping one goes right of the anchor when it
// fits, else left of it; any other starts at the anchor's left, kept inside the work area.
gfx::Point PlacePopup(const PopupPlacementRequest& r);

}  // namespace skin
