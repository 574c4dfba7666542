// TskSkinButton: the skinned push button: state images, fading, glyph, repeat, groups, default and cancel.
#pragma once

#include <cstdint>
#include <memory>

#include "gfx/Bitmap.h"
#include "skin/controls/ButtonPressState.h"
#include "skin/controls/SkinButtonLook.h"
#include "skin/controls/TskSkinCustomControl.h"

namespace skin {

// A focusable windowed button drawn from a button record ("button" unless told otherwise), or in
// the plain look without one. The mouse, Space, Enter, its accelerator and the dialog keys
// (Enter for the default button, Escape for a cancel button) click it; OnClick fires once per
// click. A button with a GroupIndex stays down until another button of its group goes down.
class TskSkinButton : public TskSkinCustomControl {
 public:
  static constexpr uintptr_t kFadeTimer = ButtonPressState::kFadeTimer;
  static constexpr uintptr_t kRepeatTimer = ButtonPressState::kRepeatTimer;

  TskSkinButton();
  ~TskSkinButton() override;

  // --- repeat: while held inside, OnClick fires every RepeatInterval ms and once on release ---
  bool RepeatMode() const { return repeat_mode_; }
  void SetRepeatMode(bool v) { repeat_mode_ = v; }
  uint32_t RepeatInterval() const { return repeat_interval_; }
  void SetRepeatInterval(uint32_t ms) { repeat_interval_ = ms; }

  // --- groups ---
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool v) { allow_all_up_ = v; }
  bool Down() const { return press_.Down(); }
  // Sets the down state; a group button going down releases the others of its group (unless
  // AllowAllUp).
  void SetDown(bool v) { SetDownState(v); }
  int GroupIndex() const { return group_index_; }
  // A group button cannot take the focus: a non-zero index also clears CanFocused.
  void SetGroupIndex(int index);

  // --- focus and dialog roles ---
  bool CanFocused() const { return can_focused_; }
  void SetCanFocused(bool v);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int r) { modal_result_ = r; }
  // The button Enter presses now: the focused button, or the Default one while the focus is on
  // a control that is not a button.
  bool ActsAsDefault() const;

  // --- glyph ---
  const gfx::Bitmap& Glyph() const { return glyph_.glyph; }
  void SetGlyph(const gfx::Bitmap& glyph);
  int NumGlyphs() const { return glyph_.num_glyphs; }
  void SetNumGlyphs(int n);  // held to 1..4
  int Margin() const { return glyph_.margin; }
  void SetMargin(int m);  // -1 or more
  int Spacing() const { return glyph_.spacing; }
  void SetSpacing(int s);
  ButtonLayout Layout() const { return glyph_.layout; }
  void SetLayout(ButtonLayout layout);

  // --- state, for those who look at the button ---
  bool Hovered() const { return press_.Hovered(); }
  double MorphFactor() const { return press_.Fade().Factor(); }
  const ButtonSkinFields& SkinFields() const { return fields_; }

  // The click: sets the form's modal result (a focusable button) and fires OnClick.
  virtual void ButtonClick();

  void LoadSkinRecord() override;
  void ApplySkin() override;

  bool CanFocus() const override;
  bool IsDefaultButton() const override;
  bool IsCancelButton() const override;
  void Click() override { ButtonClick(); }
  bool HandleAccelerator() override;
  bool WantsKey(uint16_t key) const override;

 protected:
  // Draws one state of the skinned button: the state image cut to the present size, then the
  // glyph and the caption in the state's colour.
  virtual void DrawStateImage(gfx::Bitmap& bitmap, const gfx::Rect& source, bool down, bool active);

  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;

  void WndProc(ui::Message& m) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(uint16_t& key, ui::ShiftState shift) override;
  void KeyUp(uint16_t& key, ui::ShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;
  void TimerTick(uintptr_t id) override;
  void EnabledChanged() override;
  void VisibleChanged() override;
  bool ClicksOnRelease() const override { return false; }

 private:
  void SetDownState(bool v);
  // Starts the fade towards the present lit state, or just repaints without a fading record.
  void RefreshState();
  bool Lit() const { return press_.Hovered() || HasFocusLook(); }
  bool HasFocusLook() const { return has_focus_ && can_focused_; }
  bool ShownDown() const;
  bool Morphs() const { return fields_.morphing && RecordIndex() != kNoRecord; }
  // A held press ends without a click: capture lost, disabled, hidden.
  void AbandonPress();
  void FocusMoved(ui::WinControl* focused);
  bool Inside(int x, int y) const;

  bool repeat_mode_ = false;
  uint32_t repeat_interval_ = 100;
  bool allow_all_up_ = false;
  int group_index_ = 0;
  bool can_focused_ = true;
  bool default_ = false;
  bool cancel_ = false;
  int modal_result_ = 0;
  GlyphOptions glyph_;

  bool has_focus_ = false;
  ButtonPressState press_;
  ButtonSkinFields fields_;
  gfx::Bitmap active_scratch_;
  // Cleared when the button is destroyed, so code after a handler can tell.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
