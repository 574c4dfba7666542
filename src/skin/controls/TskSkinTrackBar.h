// TskSkinTrackBar: the skinned slider, an integer Value between MinValue and MaxValue set by dragging a thumb.
#pragma once

#include <cstdint>

#include "skin/controls/LifeFlag.h"
#include "skin/controls/TrackGeometry.h"
#include "skin/controls/TskSkinCustomControl.h"

namespace skin {

// Takes the "htrackbar" record by default ("trackbar" for the vertical look). With a record the
// skin decides the orientation and the thumb image; without one the bar draws a groove and a framed
// thumb. The thumb follows the mouse's displacement from where the drag began, not its absolute
// position, so a press on the thumb never makes it jump.
class TskSkinTrackBar : public TskSkinCustomControl {
 public:
  TskSkinTrackBar();

  int32_t MinValue() const { return min_; }
  int32_t MaxValue() const { return max_; }
  int32_t Value() const { return value_; }
  // The bounds are not checked against each other; the value follows them silently (no OnChange).
  // Bounds set inside out keep every value at the maximum.
  void SetMinValue(int32_t v);
  void SetMaxValue(int32_t v);
  // Clamps (minimum first, then maximum); a change repaints and then fires OnChange.
  void SetValue(int32_t v);

  bool Vertical() const { return vertical_; }
  // Stores and repaints; a record's orientation overrides it at the next paint.
  void SetVertical(bool v);
  // A release away from the thumb moves the value to the release point.
  bool JumpWhenClick() const { return jump_when_click_; }
  void SetJumpWhenClick(bool v) { jump_when_click_ = v; }
  // Without mouse support the bar ignores presses, drags and releases.
  bool MouseSupport() const { return mouse_support_; }
  void SetMouseSupport(bool v) { mouse_support_ = v; }
  // Whether the bar takes the focus (and with it the arrow keys and the wheel); also its TabStop.
  bool CanFocused() const { return can_focused_; }
  void SetCanFocused(bool v);

  bool Dragging() const { return dragging_; }
  // The track the thumb moves along, fitted to the present size (the plain look's 2,2,w-2,h-2).
  gfx::Rect CurrentTrackArea() const;
  // Where the thumb is for the present value, and its rectangle.
  TrackThumb Thumb() const;
  gfx::Rect ThumbBounds() const { return Thumb().bounds; }

  bool CanFocus() const override;
  bool WantsKey(uint16_t key) const override;
  void LoadSkinRecord() override;

  ui::NotifyEvent OnChange;

 protected:
  bool HasSkinLook() const override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  bool MouseWheel(ui::ShiftState shift, int delta, int x, int y) override;
  void KeyDown(uint16_t& key, ui::ShiftState shift) override;
  void WndProc(ui::Message& m) override;

 private:
  // The value a thumb offset of `a` pixels from the track's start stands for.
  int32_t ValueFromOffset(int32_t a) const;
  // The value setter's work; false when a handler destroyed the bar.
  bool AssignValue(int64_t v);
  bool ShowsActiveThumb() const;

  int32_t min_ = 0;
  int32_t max_ = 100;
  int32_t value_ = 50;
  bool vertical_ = false;
  bool jump_when_click_ = false;
  bool mouse_support_ = true;
  bool can_focused_ = false;

  // From the track-bar record (has_track_record_ false without one of that family).
  bool has_track_record_ = false;
  gfx::Rect trackarea_;
  gfx::Rect buttonrect_;
  gfx::Rect activebuttonrect_;

  bool dragging_ = false;
  int32_t drag_coordinate_ = 0;  // the mouse coordinate along the track when the drag began
  int32_t drag_offset_ = 0;      // the thumb offset then
  LifeFlag life_;
};

}  // namespace skin
