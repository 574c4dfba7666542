// Panel: a container with optional outer and inner bevels and a centred caption.
#include "ui/Panel.h"

#include "gfx/Canvas.h"
#include "ui/PlainDraw.h"

namespace ui {

Panel::Panel() {
  SetOpaque(true);
  SetBounds(0, 0, 185, 41);
}

int Panel::BorderSize() const {
  int n = 0;
  if (bevel_outer_ != PanelBevel::kNone) n += bevel_width_;
  if (bevel_inner_ != PanelBevel::kNone) n += bevel_width_;
  return n;
}

gfx::Rect Panel::AlignRect() const {
  int b = BorderSize();
  gfx::Rect r = ClientRect();
  return {r.left + b, r.top + b, std::max(r.left + b, r.right - b), std::max(r.top + b, r.bottom - b)};
}

void Panel::Paint(gfx::Canvas& canvas) {
  gfx::Rect r{0, 0, Width(), Height()};
  canvas.FillRect(r, GetColor());
  if (bevel_outer_ != PanelBevel::kNone) {
    DrawBevel(canvas, r, bevel_outer_ == PanelBevel::kRaised);
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
  if (bevel_inner_ != PanelBevel::kNone) {
    DrawBevel(canvas, r, bevel_inner_ == PanelBevel::kRaised);
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
  if (Caption().empty()) return;
  canvas.SetFont(GetFont());
  canvas.Brush().style = gfx::BrushStyle::kClear;
  canvas.DrawText(r, Caption(), gfx::kDtCenter | gfx::kDtVCenter | gfx::kDtSingleLine);
}

}  // namespace ui
