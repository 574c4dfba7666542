// Label: static text on its parent, optionally sized to the text, with an accelerator for a focus control.
#include "ui/Label.h"

#include "gfx/Canvas.h"
#include "ui/WinControl.h"

namespace ui {

Label::Label() {
  SetBounds(0, 0, 65, 13);
  SetOpaque(true);
}

void Label::SetAutoSize(bool v) {
  auto_size_ = v;
  AdjustBounds();
}

void Label::SetWordWrap(bool v) {
  word_wrap_ = v;
  AdjustBounds();
  Invalidate();
}

void Label::SetFocusControl(WinControl* c) {
  if (focus_control_ != nullptr) RemoveFreeNotification(focus_control_);
  focus_control_ = c;
  if (c != nullptr) FreeNotification(c);
}

void Label::Notification(Component* component, Operation operation) {
  GraphicControl::Notification(component, operation);
  if (operation == Operation::kRemove && component == focus_control_) focus_control_ = nullptr;
}

bool Label::HandleAccelerator() {
  if (!show_accel_char_ || focus_control_ == nullptr || !focus_control_->CanFocus()) return false;
  focus_control_->SetFocus();
  return true;
}

uint32_t Label::TextFlags() const {
  uint32_t flags = word_wrap_ ? static_cast<uint32_t>(gfx::kDtWordBreak) : 0u;
  if (!show_accel_char_) flags |= gfx::kDtNoPrefix;
  if (alignment_ == TextAlignment::kCenter) flags |= gfx::kDtCenter;
  if (alignment_ == TextAlignment::kRight) flags |= gfx::kDtRight;
  return flags;
}

void Label::AdjustBounds() {
  if (!auto_size_ || Destroying()) return;
  gfx::Bitmap scratch(1, 1, 24);
  gfx::Canvas canvas(scratch);
  canvas.SetFont(GetFont());
  gfx::Rect r{0, 0, word_wrap_ ? Width() : 0, 0};
  std::string text = Caption().empty() ? std::string(" ") : Caption();
  canvas.DrawText(r, text, TextFlags() | gfx::kDtCalcRect);
  int w = word_wrap_ ? Width() : r.Width();
  SetBounds(Left(), Top(), w, r.Height());
}

void Label::Paint(gfx::Canvas& canvas) {
  gfx::Rect r{0, 0, Width(), Height()};
  if (!transparent_) canvas.FillRect(r, GetColor());
  canvas.SetFont(GetFont());
  canvas.Brush().style = gfx::BrushStyle::kClear;
  if (!EffectivelyEnabled()) {
    // The classic disabled look: the text embossed, white shifted down-right under grey.
    canvas.Font().SetColor(kColorBtnHighlight);
    gfx::Rect shifted = r.Offset(1, 1);
    canvas.DrawText(shifted, Caption(), TextFlags());
    canvas.Font().SetColor(kColorBtnShadow);
  }
  canvas.DrawText(r, Caption(), TextFlags());
}

}  // namespace ui
