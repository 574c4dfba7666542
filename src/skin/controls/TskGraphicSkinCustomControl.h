// TskGraphicSkinCustomControl: a windowless skinned control that takes its size and image from its record.
#pragma once

#include <cstdint>

#include "gfx/Font.h"
#include "skin/controls/SkinControlGeometry.h"
#include "skin/controls/TskGraphicSkinControl.h"

namespace skin {

// As TskSkinCustomControl without a shape: the record's geometry is copied, the size follows the
// skin's sizing and the image is cut to the present size; without a record DefaultWidth,
// DefaultHeight and the plain look apply.
class TskGraphicSkinCustomControl : public TskGraphicSkinControl {
 public:
  TskGraphicSkinCustomControl();

  int32_t DefaultWidth() const { return default_width_; }
  void SetDefaultWidth(int32_t width);
  int32_t DefaultHeight() const { return default_height_; }
  void SetDefaultHeight(int32_t height);
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& font);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use);

  SkinSizingKind SkinSizing() const { return geometry_.sizing; }
  const SkinControlGeometry& Geometry() const { return geometry_; }
  const gfx::Rect& CurrentClientRect() const { return geometry_.current_clientrect; }
  const gfx::Bitmap* Picture() const { return geometry_.picture; }

  void LoadSkinRecord() override;
  void ApplySkin() override;
  void PrepareSkinChange() override;
  virtual void FitSizeToSkin(int32_t& width, int32_t& height);
  bool DrawSkinPart(gfx::Bitmap& target, const gfx::Bitmap* picture, const gfx::Rect& source);

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  virtual void DefaultFontChanged() {}
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  bool HasSkinLook() const override;
  void Resize() override;

 private:
  int32_t default_width_ = 0;
  int32_t default_height_ = 0;
  gfx::Font default_font_{"Arial", 14};
  bool use_skin_font_ = true;
  SkinControlGeometry geometry_;
};

}  // namespace skin
