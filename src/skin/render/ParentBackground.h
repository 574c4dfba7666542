// Painting what lies behind a see-through control: its parent's own drawing and background.
#pragma once

#include "gfx/Geometry.h"

namespace gfx {
class Canvas;
}

namespace skin {

// What the control's parent offers; the toolkit's windowed controls implement it. All coordinates
// are the parent's client coordinates.
class ParentPainter {
 public:
  virtual ~ParentPainter() = default;
  virtual gfx::Rect ClientArea() const = 0;
  // Forms have no drawing of their own behind their controls, only a background.
  virtual bool IsForm() const = 0;
  virtual void PaintInto(gfx::Canvas& canvas) = 0;
  // The parent's erase-background handling, drawing into canvas.
  virtual void EraseBackground(gfx::Canvas& canvas) = 0;
};

// Fills the control's canvas with what its parent shows at control_position (the control's
// top-left in the parent): the canvas is moved so that it works in the parent's coordinates,
// clipped to the parent's client area, painted by the parent (unless it is a form) and then given
// the parent's background. The canvas state is restored afterwards. Nothing without a parent.
void DrawParentBackground(ParentPainter* parent, gfx::Point control_position, gfx::Canvas& canvas);

}  // namespace skin
