// TskSkinScrollBar: a stand-alone skinned scroll bar with two step buttons, a track and a thumb.
#pragma once

#include <cstdint>
#include <string>

#include "skin/controls/LifeFlag.h"
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/TskSkinCustomControl.h"

namespace skin {

enum class ScrollBarKind { sbHorizontal, sbVertical };

// Containers that draw their own content (the scroll box, lists) place these beside them and drive
// them through AssignRange and OnChange. Holding a button steps once at once, again after 550 ms
// and then every 50 ms; holding the track pages towards the mouse until the thumb passes it.
//
// The "hscrollbar" record by default; a vertical bar is built with Kind sbVertical, the
// "vscrollbar" record and DefaultWidth 19 / DefaultHeight 0, as a window description sets them.
class TskSkinScrollBar : public TskSkinCustomControl {
 public:
  // The parts, in the order a point is tested against them.
  static constexpr int kThumb = 0;
  static constexpr int kIncrease = 1;  // right or bottom button
  static constexpr int kDecrease = 2;  // left or top button
  static constexpr int kNoPart = -1;
  // Repeat modes.
  static constexpr int kRepeatNone = 0;
  static constexpr int kRepeatDecrease = 1;
  static constexpr int kRepeatIncrease = 2;
  static constexpr int kRepeatPageUp = 3;
  static constexpr int kRepeatPageDown = 4;
  static constexpr uintptr_t kRepeatTimer = 1;
  static constexpr uint32_t kFirstDelayMs = 500;
  static constexpr uint32_t kRepeatMs = 50;

  TskSkinScrollBar();

  ScrollBarKind Kind() const { return kind_; }
  void SetKind(ScrollBarKind kind);
  int32_t Min() const { return range_.min; }
  int32_t Max() const { return range_.max; }
  int32_t Position() const { return range_.position; }
  int32_t PageSize() const { return range_.page; }
  // The bound setters keep the position in range without firing OnChange.
  void SetMin(int32_t v);
  void SetMax(int32_t v);
  // Refused (the bar only repaints) when the page would not fit the range from the present
  // position, or is negative.
  void SetPageSize(int32_t v);
  // Clamps to [Min, Max - PageSize + 1] (to [Min, Max] without a page); a change repaints and fires
  // OnChange.
  void SetPosition(int32_t v);
  // All four at once, the position clamped, without OnChange (for the containers that drive the bar).
  void AssignRange(int32_t min, int32_t max, int32_t page, int32_t position);
  int32_t SmallChange() const { return small_change_; }
  void SetSmallChange(int32_t v);
  int32_t LargeChange() const { return large_change_; }
  void SetLargeChange(int32_t v);

  // A horizontal bar that shares its corner with a vertical one: it takes BothSkinDataName's
  // record, or without a record leaves BothMarkerWidth pixels free on the right.
  bool Both() const { return both_; }
  void SetBoth(bool v);
  int32_t BothMarkerWidth() const { return both_marker_width_; }
  void SetBothMarkerWidth(int32_t v);
  const std::string& BothSkinDataName() const { return both_skin_data_name_; }
  void SetBothSkinDataName(std::string name) { both_skin_data_name_ = std::move(name); }

  bool CanFocused() const { return can_focused_; }
  void SetCanFocused(bool v);

  // The parts for the present size and range.
  ScrollParts Parts() const;
  int HotPart() const { return hot_; }
  int CapturedPart() const { return captured_; }
  bool PartActive(int part) const { return active_[part]; }
  bool PartDown(int part) const { return down_[part]; }
  bool Dragging() const { return dragging_; }
  int RepeatMode() const { return repeat_mode_; }

  bool CanFocus() const override;
  bool WantsKey(uint16_t key) const override;
  void LoadSkinRecord() override;

  ui::NotifyEvent OnChange;
  // The end of a thumb drag.
  ui::NotifyEvent OnLastChange;
  // When set, the buttons fire these instead of moving the bar.
  ui::NotifyEvent OnUpButtonClick;
  ui::NotifyEvent OnDownButtonClick;
  ui::NotifyEvent OnPageUp;
  ui::NotifyEvent OnPageDown;

 protected:
  bool HasSkinLook() const override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseLeave() override;
  bool MouseWheel(ui::ShiftState shift, int delta, int x, int y) override;
  void KeyDown(uint16_t& key, ui::ShiftState shift) override;
  void TimerTick(uintptr_t id) override;
  void WndProc(ui::Message& m) override;

 private:
  bool Vertical() const { return kind_ == ScrollBarKind::sbVertical; }
  int PartAt(const ScrollParts& parts, gfx::Point p) const;
  // Where the point lies along the track against the thumb: -1 before it, 1 after it, 0 on it.
  int SideOfThumb(const ScrollParts& parts, gfx::Point p) const;
  // Each returns false when a handler destroyed the bar.
  bool ChangePosition(int64_t position);
  bool Fire(const ui::NotifyEvent& event);
  bool StepButton(int part);
  bool StepPage(int direction);
  bool RepeatTick();
  void SetHot(int part);
  void StartRepeat(uint32_t ms);
  void StopRepeat();
  // Ends everything a held button started: repeat, capture of a part, drag.
  void StopHolding();

  ScrollBarKind kind_ = ScrollBarKind::sbHorizontal;
  ScrollRange range_;
  int32_t small_change_ = 1;
  int32_t large_change_ = 1;
  bool both_ = false;
  int32_t both_marker_width_ = 19;
  std::string both_skin_data_name_ = "bothhscrollbar";
  std::string normal_skin_data_name_;
  bool can_focused_ = false;

  // From the scroll-bar record, the empty images replaced by their fallbacks.
  bool has_bar_record_ = false;
  gfx::Rect trackarea_;
  gfx::Rect button_images_[3][3];  // [part][normal, active, pressed]; the thumb's row is its images
  gfx::Rect glyph_images_[3];      // normal, active, pressed
  gfx::Rect part_rects_[3];        // upbuttonrect and downbuttonrect at [kIncrease] and [kDecrease]
  int32_t thumboffset1_ = 0;
  int32_t thumboffset2_ = 0;

  bool active_[3] = {false, false, false};
  bool down_[3] = {false, false, false};
  int hot_ = kNoPart;
  int captured_ = kNoPart;
  bool dragging_ = false;
  bool held_ = false;
  gfx::Point last_point_;
  int repeat_mode_ = kRepeatNone;
  bool first_delay_ = false;
  int32_t drag_coordinate_ = 0;
  int32_t drag_offset_ = 0;
  LifeFlag life_;
};

}  // namespace skin
