// TskSkinExPanel: an expandable panel whose caption has a close button and a button that rolls it up.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/controls/TskSkinCustomControl.h"

namespace skin {

class TskDataSkinExPanelControl;

enum class RollKind : uint8_t { rkRollVertical, rkRollHorizontal };

// Rolled vertically the panel keeps only its caption strip (the height of the record's
// rollvskinrect, DefaultCaptionHeight without a record); rolled horizontally only a caption column
// (the width of rollhskinrect) with the caption turned upwards. While rolled it keeps that size
// whatever it is asked for, and its children are hidden; unrolled it gets its size and exactly
// the children that were visible back.
class TskSkinExPanel : public TskSkinCustomControl {
 public:
  // The two caption buttons.
  enum Button : int { kNoButton = -1, kCloseButton = 0, kRollButton = 1 };

  TskSkinExPanel();
  ~TskSkinExPanel() override;

  bool RollState() const { return roll_state_; }
  void SetRollState(bool rolled);
  RollKind GetRollKind() const { return roll_kind_; }
  void SetRollKind(RollKind kind);
  bool ShowRollButton() const { return show_roll_button_; }
  void SetShowRollButton(bool show);
  bool ShowCloseButton() const { return show_close_button_; }
  void SetShowCloseButton(bool show);
  int32_t DefaultCaptionHeight() const { return default_caption_height_; }
  void SetDefaultCaptionHeight(int32_t height);
  // The size to restore (0: not rolled along that axis).
  int32_t RealWidth() const { return real_width_; }
  int32_t RealHeight() const { return real_height_; }
  // Hides the panel and fires OnClose.
  void Close();

  // The button under the mouse and the one held down (kNoButton for none).
  int HotButton() const { return hot_; }
  int PressedButton() const { return pressed_; }
  // Where a shown button lies now (empty when hidden).
  gfx::Rect ButtonRect(int button) const;

  ui::NotifyEvent OnChangeRollState;
  ui::NotifyEvent OnClose;

  void ApplySkin() override;
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  gfx::Rect AlignRect() const override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void CaptionChanged() override { Invalidate(); }
  void Notification(ui::Component* component, Operation operation) override;

 private:
  // The caption rectangle, the two button rectangles and the text rectangle for the present state.
  struct Layout {
    gfx::Rect caption;
    gfx::Rect buttons[2];
    gfx::Rect text;
  };
  Layout ComputeLayout() const;
  TskDataSkinExPanelControl* ExRecord() const;
  bool SkinLook() const;
  int32_t RolledSize() const;
  int ButtonAt(gfx::Point p) const;
  void SetHot(int button);
  void DrawSkinButton(gfx::Bitmap& bitmap, int button, const gfx::Rect& at, const TskDataSkinExPanelControl& r);
  void DrawPlainButton(gfx::Canvas& canvas, int button, const gfx::Rect& at);

  bool roll_state_ = false;
  RollKind roll_kind_ = RollKind::rkRollVertical;
  bool show_roll_button_ = true;
  bool show_close_button_ = true;
  int32_t default_caption_height_ = 21;
  int32_t real_width_ = 0;
  int32_t real_height_ = 0;
  bool rolling_ = false;
  bool active_[2] = {false, false};
  bool down_[2] = {false, false};
  int hot_ = kNoButton;
  int pressed_ = kNoButton;
  std::vector<ui::Control*> hidden_;
  // Cleared when the panel is destroyed, so code after a handler can tell.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
