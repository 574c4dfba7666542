// TskSkinPanel: a skinned container with an optional caption that can carry a check box or roll the panel up.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/Bitmap.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/TskSkinCustomControl.h"
#include "skin/data/IniValues.h"

namespace skin {

class TskDataSkinPanelControl;

// Children are laid out in the panel's client area: with a record its CurrentClientRect (the whole
// control when the record has a background picture, or when a caption-less, borderless panel shows
// only its nine-part record's inner texture); without one the control inset by its border and, in
// caption mode, below a caption bar DefaultCaptionHeight high.
//
// In caption mode a click on the caption toggles Checked (CheckedMode) and rolls the panel up or
// down (RollUpMode): rolled up, only the frame and caption stay and the children are hidden.
class TskSkinPanel : public TskSkinCustomControl {
 public:
  TskSkinPanel();
  ~TskSkinPanel() override;

  SkinBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(SkinBorderStyle style);
  bool CaptionMode() const { return caption_mode_; }
  void SetCaptionMode(bool on);
  int32_t DefaultCaptionHeight() const { return default_caption_height_; }
  void SetDefaultCaptionHeight(int32_t height);
  Alignment DefaultAlignment() const { return default_alignment_; }
  void SetDefaultAlignment(Alignment alignment);
  // A strip of NumGlyphs cells shown before the caption (the second cell when disabled).
  const gfx::Bitmap& Glyph() const { return glyph_; }
  void SetGlyph(gfx::Bitmap glyph);
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);
  int32_t Spacing() const { return spacing_; }
  void SetSpacing(int32_t spacing);

  bool CheckedMode() const { return checked_mode_; }
  void SetCheckedMode(bool on);
  bool Checked() const { return checked_; }
  // Stores the value, repaints in checked mode and there, with AutoEnabledControls, enables or
  // disables every direct child; OnChecked fires every time, changed or not.
  void SetChecked(bool checked);
  bool AutoEnabledControls() const { return auto_enabled_controls_; }
  void SetAutoEnabledControls(bool on) { auto_enabled_controls_ = on; }

  bool RollUpMode() const { return roll_up_mode_; }
  void SetRollUpMode(bool on);
  bool RollUpState() const { return roll_up_state_; }
  // Rolls up or down; without RollUpMode the panel stays down.
  void SetRollUpState(bool rolled);
  // The height to restore, or -1 when the panel is not rolled up.
  int32_t RealHeight() const { return real_height_; }

  ui::NotifyEvent OnChecked;

  void ApplySkin() override;

 protected:
  gfx::Rect AlignRect() const override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  bool HasSkinLook() const override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void CaptionChanged() override;
  void EnabledChanged() override { Invalidate(); }
  void Resize() override;
  void Notification(ui::Component* component, Operation operation) override;

  // The panel record, or null (no record, or one of another family).
  TskDataSkinPanelControl* PanelRecord() const;
  // Where the caption lies: the record's caption rectangle moved with the stretching, or the plain
  // caption bar.
  gfx::Rect CaptionRect() const;
  // Draws the caption text (and glyph, check image, roll arrow) into r with the record's look.
  void DrawSkinCaption(gfx::Canvas& canvas, gfx::Rect r, const TskDataSkinPanelControl& record);

 private:
  bool TilesInnerTexture() const;
  void RollUp();
  void RollDown();
  void Relayout();

  SkinBorderStyle border_style_ = SkinBorderStyle::bvFrame;
  bool caption_mode_ = false;
  int32_t default_caption_height_ = 22;
  Alignment default_alignment_ = Alignment::taleftjustify;
  gfx::Bitmap glyph_;
  int num_glyphs_ = 1;
  int32_t spacing_ = 2;
  bool checked_mode_ = false;
  bool checked_ = false;
  bool auto_enabled_controls_ = true;
  bool roll_up_mode_ = false;
  bool roll_up_state_ = false;
  int32_t real_height_ = -1;
  bool holds_hidden_ = false;
  std::vector<ui::Control*> hidden_;  // children hidden by the roll-up
};

// A panel whose caption is on: the frame of a group of controls.
class TskSkinGroupBox : public TskSkinPanel {
 public:
  TskSkinGroupBox();
};

// A borderless panel at the bottom of its parent, 21 high without a record. Setting its skin data
// sets the same on every direct child that is a skinned control.
class TskSkinStatusBar : public TskSkinPanel {
 public:
  TskSkinStatusBar();
  void SetSkinData(TskSkinData* data) override;
};

}  // namespace skin
