// Where a skinned form goes: magnetic edges, the row of minimized forms, the maximized bounds.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/Geometry.h"

namespace skin {

// A window at (left, top), width x height, dropped near the edges of `area`: each edge closer than
// `distance` pixels (strictly) pulls it flush, left, top, right and bottom in that order, a later
// edge winning. Returns the new top-left corner.
gfx::Point MagneticSnap(gfx::Point top_left, int32_t width, int32_t height, const gfx::Rect& area, int32_t distance);

// The place of a width x height minimized window in `area`: the bottom-left corner first, then to
// the right of each place `taken`, a full row continuing one row higher; when the area is full the
// bottom-left corner again.
gfx::Point MinimizedPosition(const gfx::Rect& area, int32_t width, int32_t height, const std::vector<gfx::Point>& taken);

// The bounds of a maximized window: the monitor's work area (or the whole monitor), one pixel
// smaller on every side when the work area is the whole monitor, so a hidden task bar can still
// be reached.
gfx::Rect MaximizedBounds(const gfx::Rect& monitor, const gfx::Rect& work_area, bool full_screen);

}  // namespace skin
