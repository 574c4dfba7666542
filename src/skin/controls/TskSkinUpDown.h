// TskSkinUpDown: two skinned step buttons around an integer Position, repeating while held.
#pragma once

#include <cstdint>

#include "skin/controls/LifeFlag.h"
#include "skin/controls/TskSkinCustomControl.h"

namespace skin {

enum class UpDownOrientation { udHorizontal, udVertical };

// A click on a button steps Position by Increment within Min..Max (a step past a bound is ignored,
// never clamped); holding it steps again every 100 ms after the first 500. The "hupdown" record by
// default ("vupdown" for the vertical look), which has a fixed size and gives both buttons their
// rectangles; without a record the control is halved between them.
class TskSkinUpDown : public TskSkinCustomControl {
 public:
  static constexpr int kUpButton = 0;    // steps up: the right or top half
  static constexpr int kDownButton = 1;  // steps down: the left or bottom half
  static constexpr int kNoButton = -1;
  static constexpr uintptr_t kRepeatTimer = 1;
  static constexpr uint32_t kFirstDelayMs = 500;
  static constexpr uint32_t kRepeatMs = 100;
  static constexpr uint32_t kResumeMs = 50;

  TskSkinUpDown();

  UpDownOrientation Orientation() const { return orientation_; }
  void SetOrientation(UpDownOrientation o);
  int32_t Increment() const { return increment_; }
  // 0 turns stepping and repeating off; the buttons still light, press and fire their clicks.
  void SetIncrement(int32_t v) { increment_ = v; }
  int32_t Position() const { return position_; }
  // A value outside Min..Max is ignored; any other is taken and fires OnChange, even the present one.
  void SetPosition(int64_t v);
  int32_t Min() const { return min_; }
  int32_t Max() const { return max_; }
  // Each bound pulls the position along when it passed it; neither fires OnChange.
  void SetMin(int32_t v);
  void SetMax(int32_t v);

  // The buttons' rectangles for the present size and record.
  gfx::Rect ButtonRect(int button) const;
  int HotButton() const { return hot_; }
  int PressedButton() const { return pressed_; }
  bool ButtonActive(int button) const { return active_[button]; }
  bool ButtonDown(int button) const { return down_[button]; }

  void LoadSkinRecord() override;

  ui::NotifyEvent OnChange;
  ui::NotifyEvent OnUpButtonClick;
  ui::NotifyEvent OnDownButtonClick;

 protected:
  bool HasSkinLook() const override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void TimerTick(uintptr_t id) override;
  void WndProc(ui::Message& m) override;

 private:
  void UpdateHotButton(gfx::Point p);
  void StopPress();
  // The step of a button (down for kDownButton); false when a handler freed the control.
  bool Step(int button);

  UpDownOrientation orientation_ = UpDownOrientation::udHorizontal;
  int32_t increment_ = 1;
  int32_t position_ = 0;
  int32_t min_ = 0;
  int32_t max_ = 100;

  bool has_updown_record_ = false;
  gfx::Rect button_rects_[2];     // upbuttonrect, downbuttonrect
  gfx::Rect active_images_[2];    // activeupbuttonrect, activedownbuttonrect
  gfx::Rect pressed_images_[2];   // downupbuttonrect, downdownbuttonrect

  bool active_[2] = {false, false};
  bool down_[2] = {false, false};
  int hot_ = kNoButton;
  int previous_hot_ = kNoButton;
  int pressed_ = kNoButton;
  int repeat_direction_ = 0;  // 0 none, 1 down, 2 up
  bool first_tick_ = false;
  LifeFlag life_;
};

}  // namespace skin
