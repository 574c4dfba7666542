// The see-through background of a control.
#include "skin/render/ParentBackground.h"

#include "gfx/Canvas.h"

namespace skin {

void DrawParentBackground(ParentPainter* parent, gfx::Point control_position, gfx::Canvas& canvas) {
  if (!parent) return;
  gfx::CanvasSaver saver(canvas);
  canvas.Translate(-control_position.x, -control_position.y);
  canvas.IntersectClip(parent->ClientArea());
  if (!parent->IsForm()) parent->PaintInto(canvas);
  parent->EraseBackground(canvas);
}

}  // namespace skin
