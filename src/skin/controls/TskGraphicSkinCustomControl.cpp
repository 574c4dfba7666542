// TskGraphicSkinCustomControl: a windowless skinned control that takes its size and image from its record.
#include "skin/controls/TskGraphicSkinCustomControl.h"

#include "gfx/Canvas.h"
#include "skin/data/SkinControlRecord.h"
#include "skin/data/SkinData.h"

namespace skin {

TskGraphicSkinCustomControl::TskGraphicSkinCustomControl() = default;

void TskGraphicSkinCustomControl::SetDefaultWidth(int32_t width) {
  default_width_ = width;
  if (RecordIndex() == kNoRecord && width > 0) SetWidth(width);
}

void TskGraphicSkinCustomControl::SetDefaultHeight(int32_t height) {
  default_height_ = height;
  if (RecordIndex() == kNoRecord && height > 0) SetHeight(height);
}

void TskGraphicSkinCustomControl::SetDefaultFont(const gfx::Font& font) {
  default_font_ = font;
  DefaultFontChanged();
  if (RecordIndex() == kNoRecord) Invalidate();
}

void TskGraphicSkinCustomControl::SetUseSkinFont(bool use) {
  if (use == use_skin_font_) return;
  use_skin_font_ = use;
  Invalidate();
}

void TskGraphicSkinCustomControl::LoadSkinRecord() {
  TskGraphicSkinControl::LoadSkinRecord();
  TskDataSkinControl* record = SkinRecord();
  if (record == nullptr) {
    geometry_.Clear();
    return;
  }
  geometry_.Copy(*record, *SkinData());
  int32_t w = Width(), h = Height();
  geometry_.Fit(w, h);
}

void TskGraphicSkinCustomControl::PrepareSkinChange() {
  TskGraphicSkinControl::PrepareSkinChange();
  geometry_.Clear();
}

void TskGraphicSkinCustomControl::FitSizeToSkin(int32_t& width, int32_t& height) { geometry_.Fit(width, height); }

bool TskGraphicSkinCustomControl::DrawSkinPart(gfx::Bitmap& target, const gfx::Bitmap* picture,
                                               const gfx::Rect& source) {
  return geometry_.DrawPart(target, picture, source, Width(), Height());
}

void TskGraphicSkinCustomControl::ApplySkin() {
  LoadSkinRecord();
  if (RecordIndex() == kNoRecord) {
    if (default_width_ > 0) SetWidth(default_width_);
    if (default_height_ > 0) SetHeight(default_height_);
    Invalidate();
    return;
  }
  int32_t w = Width(), h = Height();
  FitSizeToSkin(w, h);
  if (w == Width() && h == Height()) {
    Invalidate();
    return;
  }
  if (w != Width()) SetWidth(w);
  if (h != Height()) SetHeight(h);
}

void TskGraphicSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  LoadSkinRecord();
  if (RecordIndex() != kNoRecord && (width != Width() || height != Height())) FitSizeToSkin(width, height);
  TskGraphicSkinControl::SetBounds(left, top, width, height);
}

void TskGraphicSkinCustomControl::Resize() {
  if (RecordIndex() != kNoRecord) {
    int32_t w = Width(), h = Height();
    FitSizeToSkin(w, h);
  }
  TskGraphicSkinControl::Resize();
}

void TskGraphicSkinCustomControl::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  canvas.FillRect(bitmap.Bounds(), ui::kColorBtnFace);
}

void TskGraphicSkinCustomControl::DrawSkinImage(gfx::Bitmap& bitmap) {
  DrawSkinPart(bitmap, geometry_.picture, geometry_.skinrect);
}

bool TskGraphicSkinCustomControl::HasSkinLook() const {
  return RecordIndex() != kNoRecord && geometry_.Drawable();
}

}  // namespace skin
