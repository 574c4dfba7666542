// The see-through background of a skinned control, taken from its toolkit parent.
#include "skin/controls/ToolkitParentPainter.h"

#include <cstdint>

#include "gfx/Canvas.h"
#include "ui/Form.h"
#include "ui/WinControl.h"

namespace skin {

gfx::Rect ToolkitParentPainter::ClientArea() const {
  return {0, 0, parent_->ClientWidth(), parent_->ClientHeight()};
}

bool ToolkitParentPainter::IsForm() const { return dynamic_cast<ui::Form*>(parent_) != nullptr; }

void ToolkitParentPainter::PaintInto(gfx::Canvas& canvas) {
  gfx::CanvasSaver saver(canvas);
  parent_->Send(ui::Message::MakeCanvas(ui::kMsgEraseBackground, canvas));
  parent_->Send(ui::Message::MakeCanvas(ui::kMsgPaint, canvas));
}

void ToolkitParentPainter::EraseBackground(gfx::Canvas& canvas) {
  if (!IsForm()) return;
  gfx::CanvasSaver saver(canvas);
  parent_->Send(ui::Message::MakeCanvas(ui::kMsgEraseBackground, canvas));
}

void DrawToolkitParentBackground(const ui::Control& control, gfx::Bitmap& bitmap) {
  ToolkitParentPainter parent(control.Parent());
  gfx::Canvas canvas(bitmap);
  DrawParentBackground(control.Parent() != nullptr ? &parent : nullptr, {control.Left(), control.Top()}, canvas);
}

}  // namespace skin
