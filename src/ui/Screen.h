// The screen as controls see it: the cursor position, monitor and work areas, translucency support.
#pragma once

#include "gfx/Geometry.h"

namespace ui {

// The cursor position in screen coordinates.
gfx::Point CursorPos();
// The work area (work_area_only) or the whole area of the monitor nearest to `near` (screen
// coordinates).
gfx::Rect MonitorArea(const gfx::Rect& near, bool work_area_only);
// Whether windows can be made translucent on this display.
bool LayeredWindowsAvailable();

}  // namespace ui
