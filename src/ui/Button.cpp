// Button: the plain push button with default and cancel roles and a modal result.
#include "ui/Button.h"

#include "gfx/Canvas.h"
#include "platform/KeyCodes.h"
#include "ui/Form.h"
#include "ui/PlainDraw.h"

namespace ui {

Button::Button() {
  SetTabStop(true);
  SetOpaque(true);
  SetBounds(0, 0, 75, 25);
}

void Button::Click() {
  if (!EffectivelyEnabled()) return;
  Form* f = ParentForm();
  if (f != nullptr && modal_result_ != kMrNone) f->SetModalResult(modal_result_);
  Control::Click();
}

bool Button::HandleAccelerator() {
  if (!EffectivelyEnabled()) return false;
  if (CanFocus()) SetFocus();
  Click();
  return true;
}

bool Button::WantsKey(uint16_t key) const { return key == platform::kVkReturn || key == platform::kVkSpace; }

void Button::Paint(gfx::Canvas& canvas) {
  gfx::Rect r{0, 0, Width(), Height()};
  canvas.FillRect(r, GetColor());
  bool focused = Focused();
  if (default_ || focused) {
    canvas.FrameRect(r, gfx::kBlack);
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
  if (down_) {
    canvas.FrameRect(r, kColorBtnShadow);
  } else {
    DrawRaisedEdge(canvas, r);
  }
  gfx::Rect text = r;
  if (down_) text = text.Offset(1, 1);
  canvas.SetFont(GetFont());
  canvas.Font().SetColor(EffectivelyEnabled() ? GetFont().Color() : kColorGrayText);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  canvas.DrawText(text, Caption(), gfx::kDtCenter | gfx::kDtVCenter | gfx::kDtSingleLine);
  if (focused) canvas.DrawFocusRect({r.left + 3, r.top + 3, r.right - 3, r.bottom - 3});
}

void Button::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (button == MouseButton::kLeft && EffectivelyEnabled()) {
    tracking_ = true;
    down_ = true;
    Invalidate();
  }
  WinControl::MouseDown(button, shift, x, y);
}

void Button::MouseMove(ShiftState shift, int x, int y) {
  if (tracking_) {
    bool inside = gfx::Rect{0, 0, Width(), Height()}.Contains({x, y});
    if (inside != down_) {
      down_ = inside;
      Invalidate();
    }
  }
  WinControl::MouseMove(shift, x, y);
}

void Button::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  bool fire = false;
  if (button == MouseButton::kLeft && tracking_) {
    tracking_ = false;
    fire = gfx::Rect{0, 0, Width(), Height()}.Contains({x, y});
    down_ = false;
    Invalidate();
  }
  WinControl::MouseUp(button, shift, x, y);
  if (fire) Click();
}

void Button::KeyDown(uint16_t& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  if (key == platform::kVkReturn) {
    key = 0;
    Click();
    return;
  }
  if (key == platform::kVkSpace) {
    key = 0;
    space_down_ = true;
    down_ = true;
    Invalidate();
  }
}

void Button::KeyUp(uint16_t& key, ShiftState shift) {
  WinControl::KeyUp(key, shift);
  if (key == platform::kVkSpace && space_down_) {
    key = 0;
    space_down_ = false;
    down_ = false;
    Invalidate();
    Click();
  }
}

void Button::WndProc(Message& m) {
  if (m.id == kMsgLButtonDblClk) {
    // A double click is just a second press for a button.
    MouseDown(MouseButton::kLeft, m.MouseShift(), m.At().x, m.At().y);
    return;
  }
  if ((m.id == kMsgCancelMode || m.id == kMsgCaptureChanged || m.id == kMsgKillFocus) && (tracking_ || space_down_)) {
    tracking_ = false;
    space_down_ = false;
    down_ = false;
    Invalidate();
  }
  WinControl::WndProc(m);
}

}  // namespace ui
