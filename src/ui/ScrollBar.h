// ScrollBar: the toolkit's plain scroll bar, a windowed control with two arrow buttons, a track and
// a thumb. Scrolling controls (memo, list view, list box, tree view) own two of them as children
// and hide them when a skinned control draws its own bars instead.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/ScrollInfo.h"
#include "ui/WinControl.h"

namespace ui {

class ScrollBar : public WinControl {
 public:
  // The breadth of a plain bar and the length of its arrow buttons.
  static constexpr int kBreadth = 16;
  // The least thumb length, so a huge range still leaves something to grab.
  static constexpr int kMinThumb = 8;

  explicit ScrollBar(ScrollAxis axis = ScrollAxis::kVertical);
  ~ScrollBar() override;

  ScrollAxis Axis() const { return axis_; }
  const ScrollInfo& Info() const { return info_; }
  // Sets the range; the position is clamped into it. Repaints only when something changed.
  void SetInfo(const ScrollInfo& info);
  void SetPosition(int32_t position);
  // How far an arrow moves the position (1 by default).
  void SetLineStep(int32_t step) { line_step_ = step > 0 ? step : 1; }

  // Fired for every user action with its code and the position it asks for (already clamped); the
  // bar has moved its own position there before. kSbEndScroll follows when the button or thumb is
  // let go.
  std::function<void(ScrollCode code, int32_t position)> OnScroll;

  // The parts, in client coordinates (empty when the bar is too short to hold them).
  struct Parts {
    gfx::Rect dec;
    gfx::Rect inc;
    gfx::Rect track;
    gfx::Rect thumb;  // empty when the range fits the page or the bar is disabled
  };
  Parts CalcParts() const;
  // Enabled, and the range leaves somewhere to go.
  bool CanScroll() const;
  // A bar scrolls the control it belongs to and never takes the focus from it.
  bool CanFocus() const override { return false; }

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  bool MouseWheel(ShiftState shift, int delta, int x, int y) override;
  void TimerTick(uintptr_t id) override;

 private:
  enum class Held : uint8_t { kNone, kDec, kInc, kPageDec, kPageInc, kThumb };

  // Moves by `code` and tells OnScroll (nothing when the position stays).
  void Step(ScrollCode code);
  // What a held button or track press does on each repeat.
  void StepHeld();
  int Along(int x, int y) const { return axis_ == ScrollAxis::kVertical ? y : x; }
  void DrawArrow(gfx::Canvas& canvas, const gfx::Rect& r, bool towards_end, bool enabled) const;

  ScrollAxis axis_;
  ScrollInfo info_{0, 100, 0, 0};
  int32_t line_step_ = 1;
  Held held_ = Held::kNone;
  int drag_offset_ = 0;  // the pointer's distance from the thumb's start while dragging
  int last_along_ = 0;   // the pointer along the bar while a track press repeats
};

}  // namespace ui
