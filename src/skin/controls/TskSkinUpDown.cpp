// TskSkinUpDown: two skinned step buttons around an integer Position, repeating while held.
#include "skin/controls/TskSkinUpDown.h"

#include "gfx/Canvas.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeMath.h"
#include "skin/data/SkinRangeRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinGlyphs.h"
#include "ui/Application.h"

namespace skin {

TskSkinUpDown::TskSkinUpDown() {
  SetSkinDataName("hupdown");
  SetBounds(0, 0, 50, 25);
}

void TskSkinUpDown::SetOrientation(UpDownOrientation o) {
  orientation_ = o;
  Invalidate();
}

void TskSkinUpDown::SetPosition(int64_t v) {
  if (v > max_ || v < min_) return;
  position_ = static_cast<int32_t>(v);
  Invalidate();
  if (OnChange) OnChange(this);
}

void TskSkinUpDown::SetMin(int32_t v) {
  min_ = v;
  if (position_ < v) position_ = v;
  Invalidate();
}

void TskSkinUpDown::SetMax(int32_t v) {
  max_ = v;
  if (position_ > v) position_ = v;
  Invalidate();
}

void TskSkinUpDown::LoadSkinRecord() {
  TskSkinCustomControl::LoadSkinRecord();
  const auto* r = SkinRecordAs<TskDataSkinUpDownControl>();
  has_updown_record_ = r != nullptr;
  if (r == nullptr) return;
  button_rects_[kUpButton] = HeldRecordRect(r->upbuttonrect);
  button_rects_[kDownButton] = HeldRecordRect(r->downbuttonrect);
  active_images_[kUpButton] = HeldRecordRect(r->activeupbuttonrect);
  active_images_[kDownButton] = HeldRecordRect(r->activedownbuttonrect);
  // An empty pressed image is the active one.
  pressed_images_[kUpButton] = IsNullRect(r->downupbuttonrect) ? active_images_[kUpButton] : HeldRecordRect(r->downupbuttonrect);
  pressed_images_[kDownButton] =
      IsNullRect(r->downdownbuttonrect) ? active_images_[kDownButton] : HeldRecordRect(r->downdownbuttonrect);
}

bool TskSkinUpDown::HasSkinLook() const { return has_updown_record_ && TskSkinCustomControl::HasSkinLook(); }

gfx::Rect TskSkinUpDown::ButtonRect(int button) const {
  if (HasSkinLook()) return button_rects_[button];
  const int32_t w = Width(), h = Height();
  if (orientation_ == UpDownOrientation::udVertical) {
    return button == kUpButton ? gfx::Rect{0, 0, w, h / 2} : gfx::Rect{0, h / 2, w, h};
  }
  return button == kUpButton ? gfx::Rect{w / 2, 0, w, h} : gfx::Rect{0, 0, w / 2, h};
}

void TskSkinUpDown::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (!DrawSkinPart(bitmap, Picture(), Geometry().skinrect)) return;
  gfx::Bitmap scratch;
  const gfx::Bitmap& pic = As24(*Picture(), scratch);
  for (int b : {kUpButton, kDownButton}) {
    if (!active_[b]) continue;
    const gfx::Rect& image = down_[b] ? pressed_images_[b] : active_images_[b];
    const gfx::Rect at = button_rects_[b];
    CopyPiece(bitmap, gfx::Rect::FromSize(at.left, at.top, image.Width(), image.Height()), pic, image);
  }
}

void TskSkinUpDown::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  canvas.FillRect(bitmap.Bounds(), ui::kColorBtnFace);
  const bool vertical = orientation_ == UpDownOrientation::udVertical;
  // A disabled control's arrows are greyed like disabled text.
  const gfx::Color arrow = Enabled() ? gfx::kBlack : ui::kColorGrayText;
  for (int b : {kUpButton, kDownButton}) {
    const gfx::Rect r = ButtonRect(b);
    if (down_[b] && active_[b]) DrawPlainHighlight(canvas, r, PlainState::kPressed);
    else if (active_[b]) DrawPlainHighlight(canvas, r, PlainState::kHot);
    else DrawPlainFramedFace(canvas, r);
    const int kind = b == kUpButton ? (vertical ? kArrowUp : kArrowRight) : (vertical ? kArrowDown : kArrowLeft);
    DrawArrow(canvas, r, arrow, kind);
  }
}

void TskSkinUpDown::UpdateHotButton(gfx::Point p) {
  int hot = kNoButton;
  for (int b : {kUpButton, kDownButton}) {
    if (ButtonRect(b).Contains(p)) {
      hot = b;
      break;
    }
  }
  // While one button is held the other never lights up.
  if (pressed_ != kNoButton && hot != kNoButton && hot != pressed_) hot = kNoButton;
  if (hot == hot_) return;
  const int old = hot_;
  previous_hot_ = old;
  hot_ = hot;
  if (old != kNoButton) {
    active_[old] = false;
    Invalidate();
    // Repeating pauses while the mouse is off the held button ...
    if (increment_ != 0 && down_[old]) KillTimer(kRepeatTimer);
  }
  if (hot != kNoButton) {
    active_[1 - hot] = false;
    active_[hot] = true;
    Invalidate();
    // ... and resumes soon after it comes back.
    if (increment_ != 0 && down_[hot]) SetTimer(kRepeatTimer, kResumeMs);
  }
}

void TskSkinUpDown::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  UpdateHotButton({x, y});
  active_[hot_ == kNoButton ? kUpButton : 1 - hot_] = false;
  if (hot_ != kNoButton) {
    pressed_ = hot_;
    active_[hot_] = true;
    down_[hot_] = true;
    Invalidate();
    if (increment_ != 0) {
      repeat_direction_ = hot_ == kUpButton ? 2 : 1;
      first_tick_ = true;
      SetTimer(kRepeatTimer, kFirstDelayMs);
    }
  }
  TskSkinCustomControl::MouseDown(button, shift, x, y);
}

void TskSkinUpDown::MouseMove(ui::ShiftState shift, int x, int y) {
  UpdateHotButton({x, y});
  TskSkinCustomControl::MouseMove(shift, x, y);
}

bool TskSkinUpDown::Step(int button) {
  if (increment_ == 0) return true;
  const int64_t next = button == kUpButton ? int64_t{position_} + increment_ : int64_t{position_} - increment_;
  const LifeFlag::Watch watch = life_.Observe();
  SetPosition(next);
  return watch.Alive();
}

void TskSkinUpDown::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  const int b = pressed_;
  if (b != kNoButton) {
    down_[b] = false;
    if (hot_ != b) active_[b] = false;
    Invalidate();
    const bool over = active_[b];
    if (increment_ != 0) {
      KillTimer(kRepeatTimer);
      repeat_direction_ = 0;
    }
    pressed_ = kNoButton;
    // Released over the button: one more step, then the click.
    if (over) {
      const LifeFlag::Watch watch = life_.Observe();
      if (!Step(b)) return;
      const ui::NotifyEvent& click = b == kUpButton ? OnUpButtonClick : OnDownButtonClick;
      if (click) click(this);
      if (!watch.Alive()) return;
    }
  }
  TskSkinCustomControl::MouseUp(button, shift, x, y);
}

void TskSkinUpDown::MouseEnter() {
  hot_ = kNoButton;
  previous_hot_ = kNoButton;
  TskSkinCustomControl::MouseEnter();
}

void TskSkinUpDown::MouseLeave() {
  hot_ = kNoButton;
  previous_hot_ = kNoButton;
  const LifeFlag::Watch watch = life_.Observe();
  TskSkinCustomControl::MouseLeave();
  if (!watch.Alive()) return;
  if (active_[kUpButton] || active_[kDownButton]) {
    active_[kUpButton] = active_[kDownButton] = false;
    Invalidate();
  }
}

void TskSkinUpDown::StopPress() {
  if (pressed_ == kNoButton && repeat_direction_ == 0) return;
  KillTimer(kRepeatTimer);
  repeat_direction_ = 0;
  if (pressed_ != kNoButton) {
    down_[pressed_] = false;
    active_[pressed_] = false;
  }
  pressed_ = kNoButton;
  Invalidate();
}

void TskSkinUpDown::TimerTick(uintptr_t id) {
  if (id != kRepeatTimer) {
    TskSkinCustomControl::TimerTick(id);
    return;
  }
  // A control disabled or hidden while held stops repeating and lets the mouse go.
  if (!Showing() || !EffectivelyEnabled()) {
    StopPress();
    ui::Application* app = ui::Application::Current();
    if (app != nullptr && app->CaptureControl() == this) app->SetCaptureControl(nullptr);
    return;
  }
  if (first_tick_) {
    first_tick_ = false;
    SetTimer(kRepeatTimer, kRepeatMs);
    return;
  }
  if (repeat_direction_ == 2) Step(kUpButton);
  else if (repeat_direction_ == 1) Step(kDownButton);
}

void TskSkinUpDown::WndProc(ui::Message& m) {
  // The mouse went elsewhere while a button was held: the press ends without a step.
  if (m.id == ui::kMsgCaptureChanged) StopPress();
  TskSkinCustomControl::WndProc(m);
}

}  // namespace skin
