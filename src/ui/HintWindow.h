// HintWindow: the plain pop-up window that shows a control's hint text.
#pragma once

#include <string>

#include "ui/Form.h"

namespace ui {

class HintWindow : public Form {
 public:
  HintWindow();

  // The rectangle (screen size, origin 0, 0) the text needs, at most max_width wide.
  virtual gfx::Rect CalcHintRect(int max_width, const std::string& text);
  // Shows the text in `screen_rect`.
  virtual void ActivateHint(const gfx::Rect& screen_rect, const std::string& text);
  void ReleaseHint() { Hide(); }

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void EraseBackground(gfx::Canvas&) override {}
};

}  // namespace ui
