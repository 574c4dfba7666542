// TskSkinSpeedButton: the windowless skinned tool button: flat or see-through, glyph or tool bar image, groups, repeat.
#pragma once

#include <cstdint>
#include <memory>

#include "gfx/Bitmap.h"
#include "skin/controls/ButtonPressState.h"
#include "skin/controls/SkinButtonLook.h"
#include "skin/controls/TskGraphicSkinCustomControl.h"

namespace ui {
class ImageList;
}

namespace skin {

// A button without a window ("toolbutton" unless told otherwise, 25 x 25): it never takes the
// focus and has no keys. A transparent one shows only its glyph and caption on its parent until
// the mouse is over it or it is down; a flat one is transparent too. On a parent that lends image
// lists (ToolBarImages), a button without a glyph shows image ImageIndex of them.
class TskSkinSpeedButton : public TskGraphicSkinCustomControl {
 public:
  static constexpr uintptr_t kFadeTimer = ButtonPressState::kFadeTimer;
  static constexpr uintptr_t kRepeatTimer = ButtonPressState::kRepeatTimer;

  TskSkinSpeedButton();
  ~TskSkinSpeedButton() override;

  bool RepeatMode() const { return repeat_mode_; }
  void SetRepeatMode(bool v) { repeat_mode_ = v; }
  uint32_t RepeatInterval() const { return repeat_interval_; }
  void SetRepeatInterval(uint32_t ms) { repeat_interval_ = ms; }

  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool v) { allow_all_up_ = v; }
  bool Down() const { return press_.Down(); }
  void SetDown(bool v) { SetDownState(v); }
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index) { group_index_ = index; }

  // See-through: the parent shows behind the button; such a button never fades.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  // Flat also makes the button transparent (or not).
  bool Flat() const { return flat_; }
  void SetFlat(bool v);

  bool ShowCaption() const { return show_caption_; }
  // Takes WidthWithCaption or WidthWithoutCaption when both are set.
  void SetShowCaption(bool v);
  int WidthWithCaption() const { return width_with_caption_; }
  void SetWidthWithCaption(int w) { width_with_caption_ = w; }
  int WidthWithoutCaption() const { return width_without_caption_; }
  void SetWidthWithoutCaption(int w) { width_without_caption_ = w; }
  // The image of the tool bar's lists shown when the button has no glyph.
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);

  const gfx::Bitmap& Glyph() const { return glyph_.glyph; }
  void SetGlyph(const gfx::Bitmap& glyph);
  int NumGlyphs() const { return glyph_.num_glyphs; }
  void SetNumGlyphs(int n);
  int Margin() const { return glyph_.margin; }
  void SetMargin(int m);
  int Spacing() const { return glyph_.spacing; }
  void SetSpacing(int s);
  ButtonLayout Layout() const { return glyph_.layout; }
  void SetLayout(ButtonLayout layout);

  bool Hovered() const { return press_.Hovered(); }
  double MorphFactor() const { return press_.Fade().Factor(); }
  const ButtonSkinFields& SkinFields() const { return fields_; }

  // Fires OnClick.
  virtual void ButtonClick();
  void Click() override { ButtonClick(); }

  void LoadSkinRecord() override;
  void ApplySkin() override;

 protected:
  virtual void DrawStateImage(gfx::Bitmap& bitmap, const gfx::Rect& source, bool down, bool active);

  void Paint(gfx::Canvas& canvas) override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;

  void WndProc(ui::Message& m) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void TimerTick(uintptr_t id) override;
  void EnabledChanged() override;
  void VisibleChanged() override;
  bool ClicksOnRelease() const override { return false; }

 private:
  void SetDownState(bool v);
  void RefreshState();
  bool ShownDown() const { return press_.Down() && (group_index_ != 0 || press_.Hovered()); }
  bool Morphs() const { return fields_.morphing && RecordIndex() != kNoRecord; }
  // What a see-through button at rest shows: no face, only the glyph and the caption.
  bool ShowsOnlyContent() const;
  // The glyph (or the tool bar's image) and the caption, in the canvas's font.
  void DrawContent(gfx::Canvas& canvas, const gfx::Rect& rect, bool pressed, int cell);
  // The tool bar list the button shows now, or null.
  const ui::ImageList* ToolBarList() const;
  void AbandonPress();

  bool repeat_mode_ = false;
  uint32_t repeat_interval_ = 100;
  bool allow_all_up_ = false;
  int group_index_ = 0;
  bool transparent_ = false;
  bool flat_ = false;
  bool show_caption_ = true;
  int width_with_caption_ = 0;
  int width_without_caption_ = 0;
  int image_index_ = 0;
  GlyphOptions glyph_;

  ButtonPressState press_;
  ButtonSkinFields fields_;
  gfx::Bitmap active_scratch_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
