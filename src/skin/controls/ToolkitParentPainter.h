// The see-through background of a skinned control, taken from its toolkit parent.
#pragma once

#include "skin/render/ParentBackground.h"

namespace gfx {
class Bitmap;
}

namespace ui {
class Control;
class WinControl;
}  // namespace ui

namespace skin {

// A parent as DrawParentBackground asks for it. A form shows only its background; any other
// parent shows what it paints itself (its background and its own drawing, in the order its
// paint uses), so it has no separate background step.
class ToolkitParentPainter : public ParentPainter {
 public:
  explicit ToolkitParentPainter(ui::WinControl* parent) : parent_(parent) {}

  gfx::Rect ClientArea() const override;
  bool IsForm() const override;
  void PaintInto(gfx::Canvas& canvas) override;
  void EraseBackground(gfx::Canvas& canvas) override;

 private:
  ui::WinControl* parent_;
};

// Fills `bitmap` (the control's size) with what the control's parent shows behind the control,
// for looks with see-through parts.
void DrawToolkitParentBackground(const ui::Control& control, gfx::Bitmap& bitmap);

}  // namespace skin
