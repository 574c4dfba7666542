// TskSkinCustomControl: a windowed skinned control that takes its size, image and shape from its record.
#include "skin/controls/TskSkinCustomControl.h"

#include "gfx/Canvas.h"
#include "skin/data/SkinControlRecord.h"
#include "skin/data/SkinData.h"

namespace skin {

TskSkinCustomControl::TskSkinCustomControl() = default;

void TskSkinCustomControl::SetDefaultWidth(int32_t width) {
  default_width_ = width;
  if (RecordIndex() == kNoRecord && width > 0) SetWidth(width);
}

void TskSkinCustomControl::SetDefaultHeight(int32_t height) {
  default_height_ = height;
  if (RecordIndex() == kNoRecord && height > 0) SetHeight(height);
}

void TskSkinCustomControl::SetDefaultFont(const gfx::Font& font) {
  default_font_ = font;
  DefaultFontChanged();
  if (RecordIndex() == kNoRecord) Invalidate();
}

void TskSkinCustomControl::SetUseSkinFont(bool use) {
  if (use == use_skin_font_) return;
  use_skin_font_ = use;
  Invalidate();
}

void TskSkinCustomControl::LoadSkinRecord() {
  TskSkinControl::LoadSkinRecord();
  TskDataSkinControl* record = SkinRecord();
  if (record == nullptr) {
    geometry_.Clear();
    return;
  }
  geometry_.Copy(*record, *SkinData());
  // The current geometry always belongs to the present size.
  int32_t w = Width(), h = Height();
  geometry_.Fit(w, h);
}

void TskSkinCustomControl::PrepareSkinChange() {
  TskSkinControl::PrepareSkinChange();
  geometry_.Clear();
}

void TskSkinCustomControl::FitSizeToSkin(int32_t& width, int32_t& height) { geometry_.Fit(width, height); }

void TskSkinCustomControl::UpdateSkinRegion() {
  std::optional<gfx::Region> region;
  if (RecordIndex() != kNoRecord) region = geometry_.Region(Width(), Height());
  if (!region && !shaped_) return;
  shaped_ = region.has_value();
  SetShape(std::move(region));
}

bool TskSkinCustomControl::DrawSkinPart(gfx::Bitmap& target, const gfx::Bitmap* picture, const gfx::Rect& source) {
  return geometry_.DrawPart(target, picture, source, Width(), Height());
}

void TskSkinCustomControl::ApplySkin() {
  LoadSkinRecord();
  if (RecordIndex() == kNoRecord) {
    if (default_width_ > 0) SetWidth(default_width_);
    if (default_height_ > 0) SetHeight(default_height_);
    UpdateSkinRegion();
    Invalidate();
    return;
  }
  int32_t w = Width(), h = Height();
  FitSizeToSkin(w, h);
  if (w == Width() && h == Height()) {
    UpdateSkinRegion();
    Invalidate();
    return;
  }
  if (w != Width()) SetWidth(w);
  if (h != Height()) SetHeight(h);
}

void TskSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  LoadSkinRecord();
  const bool counts = RecordIndex() != kNoRecord && (width != Width() || height != Height());
  if (counts) FitSizeToSkin(width, height);
  // A change of size reaches Resize, which shapes the control for it; moving the bounds repaints.
  TskSkinControl::SetBounds(left, top, width, height);
}

void TskSkinCustomControl::Resize() {
  if (RecordIndex() != kNoRecord) {
    int32_t w = Width(), h = Height();
    FitSizeToSkin(w, h);
    UpdateSkinRegion();
  }
  TskSkinControl::Resize();
}

void TskSkinCustomControl::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  canvas.FillRect(bitmap.Bounds(), ui::kColorBtnFace);
}

void TskSkinCustomControl::DrawSkinImage(gfx::Bitmap& bitmap) {
  DrawSkinPart(bitmap, geometry_.picture, geometry_.skinrect);
}

bool TskSkinCustomControl::HasSkinLook() const { return RecordIndex() != kNoRecord && geometry_.Drawable(); }

}  // namespace skin
