// TskSkinCheckRadioBox: the skinned check box and radio button, flat on its parent or with its own face.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gfx/Bitmap.h"
#include "skin/controls/SkinButtonLook.h"
#include "skin/controls/TskSkinCustomControl.h"

namespace ui {
class ImageList;
}

namespace skin {

class TskDataSkinCheckRadioControl;

// The fields a check or radio box copies from its record besides the nine-part geometry. Empty
// active rectangles fall back to the plain ones, empty disabled image rectangles to the plain
// check images.
struct CheckRadioSkinFields {
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  FontStyles fontstyle;
  gfx::Color fontcolor = 0;
  gfx::Color activefontcolor = 0;
  gfx::Color unenabledfontcolor = 0;
  gfx::Color framefontcolor = 0;
  gfx::Rect activeskinrect;
  gfx::Rect checkimagearea;
  gfx::Rect textarea;
  gfx::Rect checkimagerect;
  gfx::Rect uncheckimagerect;
  gfx::Rect activecheckimagerect;
  gfx::Rect activeuncheckimagerect;
  gfx::Rect unenabledcheckimagerect;
  gfx::Rect unenableduncheckimagerect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::mkdefault;

  void Copy(const TskDataSkinCheckRadioControl& record);
  // The check image for a state.
  const gfx::Rect& CheckImage(bool enabled, bool hot, bool checked) const;
};

// A check box ("checkbox") or, with Radio, a radio button ("radiobox" is its record). A Flat box
// (the default) is drawn on its parent's background and keeps any size it is given; a box that
// is not flat has the record's face, sized and faded like a button. Clicking, Space and the
// caption's accelerator toggle it; a checked box of a group unchecks the others of its group
// under the same parent.
class TskSkinCheckRadioBox : public TskSkinCustomControl {
 public:
  static constexpr uintptr_t kFadeTimer = 1;

  TskSkinCheckRadioBox();
  ~TskSkinCheckRadioBox() override;

  bool Checked() const { return checked_; }
  // Stores, repaints, unchecks the rest of a group and fires OnClick (for a radio only when it
  // is now checked), also when the value does not change.
  void SetChecked(bool v);
  // A check box turns over; a radio box only turns on.
  void Toggle();
  bool Radio() const { return radio_; }
  void SetRadio(bool v);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index) { group_index_ = index; }
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  bool CanFocused() const { return can_focused_; }
  // Also sets TabStop.
  void SetCanFocused(bool v);
  // Images shown left of the caption (not owned; dropped when the list is destroyed).
  ui::ImageList* Images() const { return images_; }
  void SetImages(ui::ImageList* images);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);

  bool Hovered() const { return hovered_; }
  double MorphFactor() const { return fade_.Factor(); }
  const CheckRadioSkinFields& SkinFields() const { return fields_; }

  void LoadSkinRecord() override;
  void ApplySkin() override;
  void FitSizeToSkin(int32_t& width, int32_t& height) override;
  void UpdateSkinRegion() override;
  void SetBounds(int left, int top, int width, int height) override;

  bool CanFocus() const override;
  bool HandleAccelerator() override;
  bool WantsKey(uint16_t key) const override;

 protected:
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;

  void Notification(ui::Component* component, Operation operation) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyUp(uint16_t& key, ui::ShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;
  void TimerTick(uintptr_t id) override;
  void EnabledChanged() override;
  bool ClicksOnRelease() const override { return false; }

 private:
  bool HasFocusLook() const { return has_focus_ && can_focused_; }
  bool Morphs() const { return fields_.morphing && !flat_ && RecordIndex() != kNoRecord; }
  void RefreshState();
  void StopFade();
  // The square, the mark, the image and the caption of the plain look, caption from text_x.
  void DrawPlainBox(gfx::Canvas& canvas, int text_x);
  // The check image of the record's picture for the present state, its top-left at `at`;
  // returns its size (0 x 0 when there is none to copy).
  gfx::Size DrawCheckImage(gfx::Canvas& canvas, gfx::Point at, bool hot);
  gfx::Size CheckImageSize(bool hot) const;
  // The image of Images left of the caption at x, centred vertically; returns the room it takes.
  int DrawListImage(gfx::Canvas& canvas, int x);
  // The focus frame around the caption (or the image, without a caption).
  void DrawFocus(gfx::Canvas& canvas, const gfx::Rect& caption, const gfx::Rect& image);
  // One face of a box that is not flat: the record's image, check image and caption.
  void DrawFace(gfx::Bitmap& bitmap, const gfx::Rect& source, bool active);

  bool checked_ = false;
  bool radio_ = false;
  int group_index_ = 0;
  bool flat_ = true;
  bool can_focused_ = true;
  ui::ImageList* images_ = nullptr;
  int image_index_ = 0;

  bool hovered_ = false;
  bool mouse_pressed_ = false;
  bool has_focus_ = false;
  bool fading_ = false;
  MorphFade fade_;
  CheckRadioSkinFields fields_;
  gfx::Bitmap active_scratch_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
