// DropDownWindow: the popup surface a drop-down list opens in, under (or above) the control it
// belongs to.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/Form.h"

namespace ui {

// The window never takes the activation, so the form of the control that dropped it keeps the
// keyboard and its focus. While the window is shown, a press anywhere in the program outside it and
// outside KeepArea fires OnOutsidePress (the press then goes on as usual), which is how the list is
// closed when the user clicks elsewhere.
class DropDownWindow : public Form {
 public:
  DropDownWindow();
  ~DropDownWindow() override;

  // The top-left corner of a window of `size` dropped from `anchor` (screen coordinates): under the
  // anchor's bottom-left corner, or above its top when it would pass the bottom of the work area.
  static gfx::Point Place(const gfx::Rect& anchor, gfx::Size size, const gfx::Rect& work_area);

  // Sizes the window, places it by `anchor` (screen coordinates) in the work area of the anchor's
  // monitor and shows it.
  void DropAt(const gfx::Rect& anchor, gfx::Size size);
  // Hides the window and stops watching presses.
  void CloseUp();
  bool Dropped() const { return Visible(); }

  std::function<void()> OnOutsidePress;
  // Screen area whose presses do not count as outside (the control that owns the list).
  std::function<gfx::Rect()> KeepArea;

 private:
  void StopWatching();

  uintptr_t filter_ = 0;
};

}  // namespace ui
