// TskSkinButton: the skinned push button: state images, fading, glyph, repeat, groups, default and cancel.
#include "skin/controls/TskSkinButton.h"

#include <algorithm>
#include <vector>

#include "gfx/Canvas.h"
#include "platform/KeyCodes.h"
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
  if (hovered_ && (app == nullptr || app->MouseControl() != this)) {
    hovered_ = false;
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
  StopFade();
  fade_.SetNormal();
  TskSkinCustomControl::ApplySkin();
  if (Morphs() && Lit()) fade_.SetActive();
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
  return down_ && (group_index_ != 0 || hovered_ || (HasFocusLook() && !mouse_pressed_));
}

void TskSkinButton::SetDownState(bool v) {
  down_ = v;
  if (Morphs()) {
    fade_.SetActive();
    if (v) {
      StopFade();
    } else if (!fading_) {
      fading_ = true;
      SetTimer(kFadeTimer, MorphFade::kTickMs);
    }
  }
  Invalidate();
  if (group_index_ == 0 || !v || allow_all_up_ || Parent() == nullptr) return;
  std::vector<ui::Control*> siblings;
  Parent()->ForEachChild([&](ui::Control& c) { siblings.push_back(&c); });
  for (ui::Control* c : siblings) {
    auto* other = dynamic_cast<TskSkinButton*>(c);
    if (other != nullptr && other != this && other->group_index_ == group_index_ && other->down_) {
      other->SetDownState(false);
    }
  }
}

void TskSkinButton::RefreshState() {
  if (!Morphs()) {
    Invalidate();
    return;
  }
  if (fading_) return;
  fading_ = true;
  SetTimer(kFadeTimer, MorphFade::kTickMs);
}

void TskSkinButton::StopFade() {
  if (!fading_) return;
  fading_ = false;
  KillTimer(kFadeTimer);
}

void TskSkinButton::StartRepeat() {
  repeating_ = true;
  SetTimer(kRepeatTimer, std::max<uint32_t>(repeat_interval_, 1));
}

void TskSkinButton::StopRepeat() {
  if (!repeating_) return;
  repeating_ = false;
  KillTimer(kRepeatTimer);
}

void TskSkinButton::AbandonPress() {
  StopRepeat();
  if (mouse_pressed_) {
    mouse_pressed_ = false;
    if (group_index_ == 0 && down_) {
      down_ = false;
      Invalidate();
    }
  }
  ui::Application* app = ui::Application::Current();
  if (app != nullptr && app->CaptureControl() == this) app->SetCaptureControl(nullptr);
}

void TskSkinButton::FocusMoved(ui::WinControl* focused) {
  if (!can_focused_ || !default_) return;
  if (auto* button = dynamic_cast<TskSkinButton*>(focused)) {
    if (button != this && hovered_) {
      hovered_ = false;
      RefreshState();
    }
    return;
  }
  // Focus on a control that is not a button: this one answers Enter and looks it.
  if (focused != nullptr && !hovered_) {
    if (fields_.morphing) fade_.SetActive();
    hovered_ = true;
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
      if (mouse_pressed_ || repeating_) AbandonPress();
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
  if (!*alive || button != ui::MouseButton::kLeft) return;
  mouse_pressed_ = true;
  if (down_) {
    if (group_index_ != 0) pressed_while_down_ = true;
    return;
  }
  hovered_ = true;
  pressed_while_down_ = false;
  SetDownState(true);
  if (repeat_mode_ && group_index_ == 0) {
    StartRepeat();
  } else if (group_index_ != 0) {
    ButtonClick();
  }
}

void TskSkinButton::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  std::shared_ptr<bool> alive = alive_;
  if (button == ui::MouseButton::kLeft && mouse_pressed_) {
    mouse_pressed_ = false;
    // The click needs the release over the button: hover alone is kept by a default button.
    const bool over = hovered_ && Inside(x, y);
    if (group_index_ == 0) {
      StopRepeat();
      if (over) {
        SetDownState(false);
        ButtonClick();
        if (!*alive) return;
      } else if (down_) {
        down_ = false;
        Invalidate();
      }
    } else if (down_ && allow_all_up_ && pressed_while_down_ && over) {
      SetDownState(false);
      ButtonClick();
      if (!*alive) return;
    }
  }
  if (Visible()) TskSkinCustomControl::MouseUp(button, shift, x, y);
}

void TskSkinButton::MouseEnter() {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::MouseEnter();
  if (!*alive) return;
  hovered_ = true;
  const bool focused = HasFocusLook();
  if ((group_index_ != 0 && !down_) || (group_index_ == 0 && (!focused || down_))) {
    if (down_) {
      if (fields_.morphing) fade_.SetActive();
      Invalidate();
    } else {
      RefreshState();
    }
  }
  // Coming back over a held repeating button resumes the repeat.
  if (down_ && mouse_pressed_ && repeat_mode_ && group_index_ == 0) StartRepeat();
}

void TskSkinButton::MouseLeave() {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::MouseLeave();
  if (!*alive) return;
  const bool focused = HasFocusLook();
  if (!(can_focused_ && default_ && ActsAsDefault() && !focused)) hovered_ = false;
  if ((group_index_ != 0 && !down_) || (group_index_ == 0 && (!focused || down_))) RefreshState();
  if (down_ && repeat_mode_ && repeating_ && group_index_ == 0) StopRepeat();
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
  StopRepeat();
  if (group_index_ == 0) down_ = false;
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::DoExit();
  if (*alive) RefreshState();
}

void TskSkinButton::TimerTick(uintptr_t id) {
  if (id == kFadeTimer) {
    if (!Morphs()) {
      if (Lit()) fade_.SetActive();
      else fade_.SetNormal();
      StopFade();
    } else if (!fade_.Tick(Lit())) {
      StopFade();
    }
    Invalidate();
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
  StopFade();
  fade_.SetNormal();
  hovered_ = false;
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
  } else if (hovered_ || HasFocusLook()) {
    DrawPlainHighlight(canvas, r, PlainState::kHot);
  } else {
    DrawPlainFramedFace(canvas, r);
  }
  const bool enabled = EffectivelyEnabled();
  gfx::Font font = DefaultFont();
  if (!enabled) font.SetColor(ui::kColorBtnShadow);
  canvas.SetFont(font);
  DrawGlyphAndCaption(canvas, r, glyph_.margin, shown_down, GlyphCell(down_, hovered_, enabled, glyph_.num_glyphs),
                      glyph_.num_glyphs, glyph_.glyph, Caption(), glyph_.layout, glyph_.spacing);
}

void TskSkinButton::DrawSkinImage(gfx::Bitmap& bitmap) {
  const bool enabled = EffectivelyEnabled();
  if (fields_.morphing && fade_.Blending() && enabled) {
    DrawStateImage(bitmap, Geometry().skinrect, false, false);
    DrawStateImage(active_scratch_, fields_.activeskinrect, false, true);
    MorphInto(bitmap, active_scratch_, fields_.morphkind, fade_.Factor());
    return;
  }
  if (!enabled && !IsNullRect(fields_.disabledskinrect)) {
    DrawStateImage(bitmap, fields_.disabledskinrect, false, false);
  } else if (ShownDown()) {
    DrawStateImage(bitmap, fields_.downskinrect, true, true);
  } else if (Lit() || (fields_.morphing && fade_.AtActive())) {
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
