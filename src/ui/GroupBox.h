// GroupBox: a framed container with a caption on its top edge.
#pragma once

#include "ui/WinControl.h"

namespace ui {

class GroupBox : public WinControl {
 public:
  GroupBox();

 protected:
  void Paint(gfx::Canvas& canvas) override;
  // Aligned children stay below the caption and inside the frame.
  gfx::Rect AlignRect() const override;
};

}  // namespace ui
