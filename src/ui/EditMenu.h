// The standard context-menu items of the text controls (undo, cut, copy, paste, delete, select all).
#pragma once

#include <functional>

namespace ui {

class MenuItem;

// What the items need to know and run. The items are enabled as the state allows: undo when there
// is something to undo, cut and delete with a selection in an editable field, copy with a
// selection, paste with clipboard text in an editable field, select all unless all is selected.
struct EditMenuState {
  bool can_undo = false;
  bool has_selection = false;
  bool read_only = false;
  bool all_selected = false;
  bool clipboard_has_text = false;
  std::function<void()> undo, cut, copy, paste, clear, select_all;
};

void FillEditContextMenu(MenuItem& root, const EditMenuState& state);

}  // namespace ui
