// TskSkinMenuItem: one shown item of a popup level: its rectangle and its hover, submenu and fade state.
#pragma once

#include "gfx/Geometry.h"

namespace ui {
class MenuItem;
}

namespace skin {

struct TskSkinMenuItem {
  ui::MenuItem* item = nullptr;  // the toolkit item it shows
  int32_t height = 0;
  gfx::Rect rect;                // in the popup window, valid while visible
  bool visible = false;          // inside the shown range
  bool highlighted = false;      // under the pointer or chosen by keyboard
  bool submenu_open = false;     // its sub-level is open
  bool initial_selection = false;  // selected on opening, not yet touched by the pointer
  double morph_progress = 0;     // 0 normal .. 1 active look

  bool Active() const { return highlighted || submenu_open; }
};

}  // namespace skin
