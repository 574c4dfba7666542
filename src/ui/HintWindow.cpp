// HintWindow: the plain pop-up window that shows a control's hint text.
#include "ui/HintWindow.h"

#include "gfx/Canvas.h"

namespace ui {

HintWindow::HintWindow() {
  SetSurfaceKind(platform::SurfaceKind::kPopup);
  SetBorderStyle(BorderStyle::kNone);
  SetSystemFrame(false);
  SetColor(kColorInfoBk);
}

gfx::Rect HintWindow::CalcHintRect(int max_width, const std::string& text) {
  gfx::Bitmap scratch(1, 1, 24);
  gfx::Canvas canvas(scratch);
  canvas.SetFont(GetFont());
  gfx::Rect r{0, 0, max_width, 0};
  canvas.DrawText(r, text, gfx::kDtCalcRect | gfx::kDtWordBreak | gfx::kDtNoPrefix);
  return {0, 0, r.right + 6, r.bottom + 2};
}

void HintWindow::ActivateHint(const gfx::Rect& screen_rect, const std::string& text) {
  SetCaption(text);
  SetBounds(screen_rect.left, screen_rect.top, screen_rect.Width(), screen_rect.Height());
  Invalidate();
  Show();
}

void HintWindow::Paint(gfx::Canvas& canvas) {
  gfx::Rect r{0, 0, ClientWidth(), ClientHeight()};
  canvas.FillRect(r, GetColor());
  canvas.FrameRect(r, gfx::kBlack);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  canvas.Font().SetColor(gfx::kBlack);
  gfx::Rect text{r.left + 2, r.top + 1, r.right - 2, r.bottom - 1};
  canvas.DrawText(text, Caption(), gfx::kDtLeft | gfx::kDtWordBreak | gfx::kDtNoPrefix);
}

}  // namespace ui
