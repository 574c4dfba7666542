// TskSkinToolBar: a skinned row of speed buttons, bevels and labels that can scroll when they do not fit.
#pragma once

#include <cstdint>

#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/ToolBarImages.h"

namespace ui {
class ImageList;
}

namespace skin {

// A borderless "toolpanel" panel, 25 high without a record. It hands its skin data to its speed
// buttons and bevels, its flat look to its speed buttons, and lends them its image lists.
//
// With CanScroll, a row wider than the tool bar turns the 12 pixels at each end into two arrows
// (outside the client area): holding one, or with HotScroll just resting the pointer on it, scrolls
// the row by ScrollOffset (the client width when 0) every ScrollTimerInterval ms until the row's end
// is in view. When everything fits again the row goes back to its place and the arrows go. The
// arrows take the skin's "resizebutton" look, the plain button look without it.
class TskSkinToolBar : public TskSkinPanel, public ToolBarImages {
 public:
  static constexpr int32_t kArrowWidth = 12;
  static constexpr uintptr_t kScrollTimer = 1;
  static constexpr int kNoArrow = 0;
  static constexpr int kLeftArrow = 1;
  static constexpr int kRightArrow = 2;

  TskSkinToolBar();
  ~TskSkinToolBar() override;

  // Also gives the skin data to every speed button and bevel on the tool bar.
  void SetSkinData(TskSkinData* data) override;

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  ui::ImageList* Images() const override { return images_; }
  void SetImages(ui::ImageList* list);
  ui::ImageList* HotImages() const override { return hot_images_; }
  void SetHotImages(ui::ImageList* list);
  ui::ImageList* DisabledImages() const override { return disabled_images_; }
  void SetDisabledImages(ui::ImageList* list);

  bool ShowCaptions() const { return show_captions_; }
  // With AutoShowHideCaptions the speed buttons show or hide their captions, and the tool bar takes
  // WidthWithCaptions or WidthWithoutCaptions when both are set.
  void SetShowCaptions(bool show);
  bool AutoShowHideCaptions() const { return auto_show_hide_captions_; }
  void SetAutoShowHideCaptions(bool on) { auto_show_hide_captions_ = on; }
  int32_t WidthWithCaptions() const { return width_with_captions_; }
  void SetWidthWithCaptions(int32_t w) { width_with_captions_ = w; }
  int32_t WidthWithoutCaptions() const { return width_without_captions_; }
  void SetWidthWithoutCaptions(int32_t w) { width_without_captions_ = w; }

  bool CanScroll() const { return can_scroll_; }
  void SetCanScroll(bool on);
  bool HotScroll() const { return hot_scroll_; }
  void SetHotScroll(bool on) { hot_scroll_ = on; }
  int32_t ScrollOffset() const { return scroll_offset_; }
  // Negative values are ignored.
  void SetScrollOffset(int32_t offset);
  uint32_t ScrollTimerInterval() const { return scroll_interval_; }
  // Values of 0 or less are ignored.
  void SetScrollTimerInterval(int32_t ms);

  // Whether the arrows are shown, how far the row is scrolled, and how wide the row is unscrolled.
  bool ScrollMode() const { return scroll_mode_; }
  int32_t ScrollPosition() const { return position_; }
  int32_t ContentExtent() const;
  // Starts or ends scroll mode after the children or the width changed.
  void UpdateScrollMode();
  // The arrows' rectangles in client coordinates (left of 0 and right of the client width).
  gfx::Rect ArrowRect(int arrow) const;
  // Scrolls one step towards the left or right arrow; false when the row could not move.
  bool ScrollStep(int arrow);

  gfx::Rect ClientRect() const override;

 protected:
  gfx::Rect AlignRect() const override;
  void Paint(gfx::Canvas& canvas) override;
  void Resize() override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void TimerTick(uintptr_t id) override;
  void Notification(ui::Component* component, Operation operation) override;

 private:
  int ArrowAt(int x) const;
  void ScrollTo(int32_t position);
  void StartTimer(int arrow);
  void StopTimer();
  void DrawArrowButton(gfx::Canvas& canvas, int arrow);
  void SetImageList(ui::ImageList*& slot, ui::ImageList* list);
  void RepaintButtons();
  void InvalidateAll();

  bool flat_ = false;
  ui::ImageList* images_ = nullptr;
  ui::ImageList* hot_images_ = nullptr;
  ui::ImageList* disabled_images_ = nullptr;
  bool show_captions_ = false;
  bool auto_show_hide_captions_ = false;
  int32_t width_with_captions_ = 0;
  int32_t width_without_captions_ = 0;
  bool can_scroll_ = false;
  bool hot_scroll_ = false;
  int32_t scroll_offset_ = 0;
  uint32_t scroll_interval_ = 50;

  bool scroll_mode_ = false;
  bool checking_ = false;
  int32_t position_ = 0;
  int timer_arrow_ = kNoArrow;  // the direction the running timer scrolls
  int hover_arrow_ = kNoArrow;
  int pressed_arrow_ = kNoArrow;
};

}  // namespace skin
