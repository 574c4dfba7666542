// TskSkinButton: the skinned push button: state images, fading, glyph, repeat, groups, default and cancel.
#include "skin/controls/TskSkinButton.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "ui/KeyCodes.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/data/SkinButtonRecords.h"
#include "skin/render/SkinGeometry.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace skin {

TskSkinButton::TskSkinButton() {
  SetSkinDataName("button");
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

TskSkinButton::~TskSkinButton() { *alive_ = false; }

// --- properties ---

void TskSkinButton::SetGroupIndex(int index) {
  group_index_ = index;
  if (index != 0) SetCanFocused(false);
}

void TskSkinButton::SetCanFocused(bool v) { can_focused_ = v; }

void TskSkinButton::SetDefault(bool v) {
  default_ = v;
  if (!can_focused_) return;
  if (v) {
    ui::Form* form = ParentForm();
    FocusMoved(form != nullptr ? form->ActiveControl() : nullptr);
    return;
  }
  // No longer the default: the active look it had for that reason goes, unless the mouse is on it.
  ui::Application* app = ui::Application::Current();
  if (press_.Hovered() && (app == nullptr || app->MouseControl() != this)) {
    press_.SetHovered(false);
    RefreshState();
  }
}

bool TskSkinButton::ActsAsDefault() const {
  ui::Form* form = ParentForm();
  ui::WinControl* focused = form != nullptr ? form->ActiveControl() : nullptr;
  if (auto* button = dynamic_cast<TskSkinButton*>(focused)) return button == this;
  return default_;
}

void TskSkinButton::SetGlyph(const gfx::Bitmap& glyph) {
  glyph_.glyph = glyph;
  Invalidate();
}

void TskSkinButton::SetNumGlyphs(int n) {
  glyph_.num_glyphs = std::clamp(n, 1, 4);
  Invalidate();
}

void TskSkinButton::SetMargin(int m) {
  if (m < -1 || m == glyph_.margin) return;
  glyph_.margin = m;
  Invalidate();
}

void TskSkinButton::SetSpacing(int s) {
  glyph_.spacing = s;
  Invalidate();
}

void TskSkinButton::SetLayout(ButtonLayout layout) {
  glyph_.layout = layout;
  Invalidate();
}

// --- skin ---

void TskSkinButton::LoadSkinRecord() {
  TskSkinCustomControl::LoadSkinRecord();
  // A record of another family leaves the button fields as they were.
  if (const auto* record = SkinRecordAs<TskDataSkinButtonControl>()) fields_.Copy(*record);
}

void TskSkinButton::ApplySkin() {
  press_.StopFade(*this);
  press_.Fade().SetNormal();
  TskSkinCustomControl::ApplySkin();
  if (Morphs() && Lit()) press_.Fade().SetActive();
}

// --- focus and dialog keys ---

bool TskSkinButton::CanFocus() const { return can_focused_ && TskSkinCustomControl::CanFocus(); }

bool TskSkinButton::IsDefaultButton() const { return can_focused_ && ActsAsDefault() && CanFocus(); }

bool TskSkinButton::IsCancelButton() const { return cancel_ && can_focused_ && CanFocus(); }

bool TskSkinButton::HandleAccelerator() {
  if (!can_focused_ || !CanFocus()) return false;
  std::shared_ptr<bool> alive = alive_;
  SetFocus();
  if (*alive) ButtonClick();
  return true;
}

bool TskSkinButton::WantsKey(uint16_t key) const {
  return can_focused_ && (key == platform::kVkReturn || key == platform::kVkSpace);
}

void TskSkinButton::ButtonClick() {
  if (can_focused_) {
    if (ui::Form* form = ParentForm()) form->SetModalResult(modal_result_);
  }
  if (OnClick) OnClick(this);
}

// --- state ---

bool TskSkinButton::ShownDown() const {
  return press_.Down() && (group_index_ != 0 || press_.Hovered() || (HasFocusLook() && !press_.MousePressed()));
}

void TskSkinButton::SetDownState(bool v) {
  press_.SetDown(*this, v, Morphs());
  if (group_index_ != 0 && v && !allow_all_up_) ReleaseGroupOf(*this);
}

void TskSkinButton::RefreshState() { press_.Refresh(*this, Morphs()); }

void TskSkinButton::AbandonPress() { press_.Abandon(*this, group_index_); }

void TskSkinButton::FocusMoved(ui::WinControl* focused) {
  if (!can_focused_ || !default_) return;
  if (auto* button = dynamic_cast<TskSkinButton*>(focused)) {
    if (button != this && press_.Hovered()) {
      press_.SetHovered(false);
      RefreshState();
    }
    return;
  }
  // Focus on a control that is not a button: this one answers Enter and looks it.
  if (focused != nullptr && !press_.Hovered()) {
    if (fields_.morphing) press_.Fade().SetActive();
    press_.SetHovered(true);
    RefreshState();
  }
}

bool TskSkinButton::Inside(int x, int y) const {
  if (!gfx::Rect{0, 0, Width(), Height()}.Contains({x, y})) return false;
  return Shape() == nullptr || Shape()->Contains({x, y});
}

// --- messages ---

void TskSkinButton::WndProc(ui::Message& m) {
  switch (m.id) {
    case ui::kMsgFocusChanged:
      FocusMoved(m.FocusedControl());
      return;
    case ui::kMsgCaptureChanged:
    case ui::kMsgCancelMode:
      if (press_.MousePressed() || press_.Repeating()) AbandonPress();
      break;
    default:
      break;
  }
  TskSkinCustomControl::WndProc(m);
}

void TskSkinButton::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  std::shared_ptr<bool> alive = alive_;
  // The form gives a focusable control the focus before the press arrives; a button that can
  // take the focus but cannot have it now takes no press.
  if (button == ui::MouseButton::kLeft && can_focused_ && !CanFocus()) return;
  TskSkinCustomControl::MouseDown(button, shift, x, y);
  if (!*alive || button != ui::MouseButton::kLeft || !press_.Press(group_index_)) return;
  SetDownState(true);
  if (repeat_mode_ && group_index_ == 0) {
    press_.StartRepeat(*this, repeat_interval_);
  } else if (group_index_ != 0) {
    ButtonClick();
  }
}

void TskSkinButton::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  std::shared_ptr<bool> alive = alive_;
  if (button == ui::MouseButton::kLeft && press_.MousePressed() &&
      press_.Release(*this, Inside(x, y), group_index_, allow_all_up_)) {
    SetDownState(false);
    ButtonClick();
    if (!*alive) return;
  }
  if (Visible()) TskSkinCustomControl::MouseUp(button, shift, x, y);
}

void TskSkinButton::MouseEnter() {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::MouseEnter();
  if (!*alive) return;
  press_.SetHovered(true);
  const bool focused = HasFocusLook();
  if ((group_index_ != 0 && !press_.Down()) || (group_index_ == 0 && (!focused || press_.Down()))) {
    if (press_.Down()) {
      if (fields_.morphing) press_.Fade().SetActive();
      Invalidate();
    } else {
      RefreshState();
    }
  }
  // Coming back over a held repeating button resumes the repeat.
  if (press_.Down() && press_.MousePressed() && repeat_mode_ && group_index_ == 0) press_.StartRepeat(*this, repeat_interval_);
}

void TskSkinButton::MouseLeave() {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::MouseLeave();
  if (!*alive) return;
  const bool focused = HasFocusLook();
  if (!(can_focused_ && default_ && ActsAsDefault() && !focused)) press_.SetHovered(false);
  if ((group_index_ != 0 && !press_.Down()) || (group_index_ == 0 && (!focused || press_.Down()))) RefreshState();
  if (press_.Down() && repeat_mode_ && press_.Repeating() && group_index_ == 0) press_.StopRepeat(*this);
}

void TskSkinButton::KeyDown(uint16_t& key, ui::ShiftState shift) {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::KeyDown(key, shift);
  if (!*alive || !can_focused_) return;
  if (key == platform::kVkSpace) {
    key = 0;
    SetDownState(true);
    if (repeat_mode_) ButtonClick();
    return;
  }
  if (key == platform::kVkReturn) {
    key = 0;
    ButtonClick();
  }
}

void TskSkinButton::KeyUp(uint16_t& key, ui::ShiftState shift) {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::KeyUp(key, shift);
  if (!*alive || !can_focused_ || key != platform::kVkSpace) return;
  key = 0;
  SetDownState(false);
  ButtonClick();
}

void TskSkinButton::DoEnter() {
  has_focus_ = true;
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::DoEnter();
  if (*alive) RefreshState();
}

void TskSkinButton::DoExit() {
  has_focus_ = false;
  press_.StopRepeat(*this);
  if (group_index_ == 0) press_.SetDownFlag(false);
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::DoExit();
  if (*alive) RefreshState();
}

void TskSkinButton::TimerTick(uintptr_t id) {
  if (id == kFadeTimer) {
    press_.FadeTick(*this, Morphs(), Lit());
    return;
  }
  if (id == kRepeatTimer) {
    // A button disabled or hidden (itself or a parent) while held stops repeating.
    if (!EffectivelyEnabled() || !Showing()) {
      AbandonPress();
      return;
    }
    ButtonClick();
    return;
  }
  TskSkinCustomControl::TimerTick(id);
}

void TskSkinButton::EnabledChanged() {
  press_.StopFade(*this);
  press_.Fade().SetNormal();
  press_.SetHovered(false);
  if (!Enabled()) AbandonPress();
  TskSkinCustomControl::EnabledChanged();
  Invalidate();
}

void TskSkinButton::VisibleChanged() {
  TskSkinCustomControl::VisibleChanged();
  if (!Visible()) AbandonPress();
}

// --- painting ---

void TskSkinButton::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const gfx::Rect r = bitmap.Bounds();
  const bool shown_down = ShownDown();
  if (shown_down) {
    DrawPlainHighlight(canvas, r, PlainState::kPressed);
  } else if (press_.Hovered() || HasFocusLook()) {
    DrawPlainHighlight(canvas, r, PlainState::kHot);
  } else {
    DrawPlainFramedFace(canvas, r);
  }
  const bool enabled = EffectivelyEnabled();
  gfx::Font font = DefaultFont();
  if (!enabled) font.SetColor(ui::kColorBtnShadow);
  canvas.SetFont(font);
  DrawGlyphAndCaption(canvas, r, glyph_.margin, shown_down, GlyphCell(press_.Down(), press_.Hovered(), enabled, glyph_.num_glyphs),
                      glyph_.num_glyphs, glyph_.glyph, Caption(), glyph_.layout, glyph_.spacing);
}

void TskSkinButton::DrawSkinImage(gfx::Bitmap& bitmap) {
  const bool enabled = EffectivelyEnabled();
  if (fields_.morphing && press_.Fade().Blending() && enabled) {
    DrawStateImage(bitmap, Geometry().skinrect, false, false);
    DrawStateImage(active_scratch_, fields_.activeskinrect, false, true);
    MorphInto(bitmap, active_scratch_, fields_.morphkind, press_.Fade().Factor());
    return;
  }
  if (!enabled && !IsNullRect(fields_.disabledskinrect)) {
    DrawStateImage(bitmap, fields_.disabledskinrect, false, false);
  } else if (ShownDown()) {
    DrawStateImage(bitmap, fields_.downskinrect, true, true);
  } else if (Lit() || (fields_.morphing && press_.Fade().AtActive())) {
    DrawStateImage(bitmap, fields_.activeskinrect, false, true);
  } else {
    DrawStateImage(bitmap, Geometry().skinrect, false, false);
  }
}

void TskSkinButton::DrawStateImage(gfx::Bitmap& bitmap, const gfx::Rect& source, bool down, bool active) {
  if (!DrawSkinPart(bitmap, Picture(), source)) return;
  const bool enabled = EffectivelyEnabled();
  gfx::Canvas canvas(bitmap);
  canvas.SetFont(SkinTextFont(UseSkinFont(), DefaultFont(), fields_.fontname, fields_.fontheight, fields_.fontstyle,
                              fields_.TextColor(enabled, down, active)));
  const bool pressed = down && active;
  DrawGlyphAndCaption(canvas, CurrentClientRect(), glyph_.margin, pressed,
                      GlyphCell(down, active, enabled, glyph_.num_glyphs), glyph_.num_glyphs, glyph_.glyph, Caption(),
                      glyph_.layout, glyph_.spacing);
}

}  // namespace skin
