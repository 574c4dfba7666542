// SkinCustomBase: what the windowed and the windowless record-sized skinned controls share.
#pragma once

#include <cstdint>

#include "gfx/Font.h"
#include "skin/controls/SkinControlGeometry.h"

namespace skin {

// Copies the record's nine-part geometry, keeps the control at the size the skin allows (a
// horizontal strip keeps the skin's height, a vertical one its width, a fixed image its size)
// and draws the record's image cut to the present size. Without a record the control takes
// DefaultWidth and DefaultHeight and draws its plain look.
//
// One implementation over either skinned base (TskSkinControl with a window, TskGraphicSkinControl
// without); its source file instantiates it for both, and the header of each control declares
// that instantiation, so nothing of it is compiled elsewhere.
template <class Base>
class SkinCustomBase : public Base {
 public:
  // The size without a record; 0 leaves that side alone. Setting a value above 0 while there is
  // no record resizes the control at once.
  int32_t DefaultWidth() const { return default_width_; }
  void SetDefaultWidth(int32_t width);
  int32_t DefaultHeight() const { return default_height_; }
  void SetDefaultHeight(int32_t height);
  // The font text is drawn with without a record, or with one when UseSkinFont is off
  // ("Arial", 14, regular at creation).
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& font);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use);

  SkinSizingKind SkinSizing() const { return geometry_.sizing; }
  // The record's geometry and the current geometry for the present size.
  const SkinControlGeometry& Geometry() const { return geometry_; }
  const gfx::Rect& CurrentClientRect() const { return geometry_.current_clientrect; }
  const gfx::Bitmap* Picture() const { return geometry_.picture; }

  void LoadSkinRecord() override;
  void ApplySkin() override;
  void PrepareSkinChange() override;
  // Adjusts a requested size to the record's sizing and computes the current geometry for it.
  virtual void FitSizeToSkin(int32_t& width, int32_t& height);
  // Draws `source` of `picture` (a rectangle the size of skinrect: the normal, active, down or
  // disabled image) into target by the record's sizing at the present size; false when there is
  // nothing to draw.
  bool DrawSkinPart(gfx::Bitmap& target, const gfx::Bitmap* picture, const gfx::Rect& source);

  // With a record, a changed size is first fitted to the skin.
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  // Called whenever DefaultFont changes.
  virtual void DefaultFontChanged() {}
  // The size was (re)fitted to the skin, or the record went: a control with a shape follows it.
  virtual void SkinSizeSettled() {}
  // The button face over the whole control.
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  // The record's normal image.
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  // A record draws only when its image can be drawn: without a picture (or with a skin rectangle
  // of no area) the control keeps its plain look rather than copying from nothing.
  bool HasSkinLook() const override;
  // The current geometry follows every change of size, alignment's included.
  void Resize() override;

 private:
  int32_t default_width_ = 0;
  int32_t default_height_ = 0;
  gfx::Font default_font_{"Arial", 14};
  bool use_skin_font_ = true;
  SkinControlGeometry geometry_;
};

}  // namespace skin
