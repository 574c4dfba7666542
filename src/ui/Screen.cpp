// The screen as controls see it: the cursor position, monitor and work areas, translucency support.
#include "ui/Screen.h"

#include "platform/Backend.h"

namespace ui {

gfx::Point CursorPos() { return platform::GetBackend().CursorPos(); }

gfx::Rect MonitorArea(const gfx::Rect& near, bool work_area_only) {
  return platform::GetBackend().GetWorkArea(near, work_area_only);
}

bool LayeredWindowsAvailable() { return platform::GetBackend().LayeredWindowsAvailable(); }

}  // namespace ui
