// SkinCustomBase: what the windowed and the windowless record-sized skinned controls share.
#include "skin/controls/SkinCustomBase.h"

#include "gfx/Canvas.h"
#include "skin/controls/TskGraphicSkinControl.h"
#include "skin/controls/TskSkinControl.h"
#include "skin/data/SkinControlRecord.h"
#include "skin/data/SkinData.h"

namespace skin {

template <class Base>
void SkinCustomBase<Base>::SetDefaultWidth(int32_t width) {
  default_width_ = width;
  if (this->RecordIndex() == Base::kNoRecord && width > 0) this->SetWidth(width);
}

template <class Base>
void SkinCustomBase<Base>::SetDefaultHeight(int32_t height) {
  default_height_ = height;
  if (this->RecordIndex() == Base::kNoRecord && height > 0) this->SetHeight(height);
}

template <class Base>
void SkinCustomBase<Base>::SetDefaultFont(const gfx::Font& font) {
  default_font_ = font;
  DefaultFontChanged();
  if (this->RecordIndex() == Base::kNoRecord) this->Invalidate();
}

template <class Base>
void SkinCustomBase<Base>::SetUseSkinFont(bool use) {
  if (use == use_skin_font_) return;
  use_skin_font_ = use;
  this->Invalidate();
}

template <class Base>
void SkinCustomBase<Base>::LoadSkinRecord() {
  Base::LoadSkinRecord();
  TskDataSkinControl* record = this->SkinRecord();
  if (record == nullptr) {
    geometry_.Clear();
    return;
  }
  geometry_.Copy(*record, *this->SkinData());
  // The current geometry always belongs to the present size.
  int32_t w = this->Width(), h = this->Height();
  geometry_.Fit(w, h);
}

template <class Base>
void SkinCustomBase<Base>::PrepareSkinChange() {
  Base::PrepareSkinChange();
  geometry_.Clear();
}

template <class Base>
void SkinCustomBase<Base>::FitSizeToSkin(int32_t& width, int32_t& height) {
  geometry_.Fit(width, height);
}

template <class Base>
bool SkinCustomBase<Base>::DrawSkinPart(gfx::Bitmap& target, const gfx::Bitmap* picture, const gfx::Rect& source) {
  return geometry_.DrawPart(target, picture, source, this->Width(), this->Height());
}

template <class Base>
void SkinCustomBase<Base>::ApplySkin() {
  LoadSkinRecord();
  if (this->RecordIndex() == Base::kNoRecord) {
    if (default_width_ > 0) this->SetWidth(default_width_);
    if (default_height_ > 0) this->SetHeight(default_height_);
    SkinSizeSettled();
    this->Invalidate();
    return;
  }
  int32_t w = this->Width(), h = this->Height();
  FitSizeToSkin(w, h);
  if (w == this->Width() && h == this->Height()) {
    SkinSizeSettled();
    this->Invalidate();
    return;
  }
  if (w != this->Width()) this->SetWidth(w);
  if (h != this->Height()) this->SetHeight(h);
}

template <class Base>
void SkinCustomBase<Base>::SetBounds(int left, int top, int width, int height) {
  LoadSkinRecord();
  const bool counts = this->RecordIndex() != Base::kNoRecord && (width != this->Width() || height != this->Height());
  if (counts) FitSizeToSkin(width, height);
  // A change of size reaches Resize, which settles the control for it; moving the bounds repaints.
  Base::SetBounds(left, top, width, height);
}

template <class Base>
void SkinCustomBase<Base>::Resize() {
  if (this->RecordIndex() != Base::kNoRecord) {
    int32_t w = this->Width(), h = this->Height();
    FitSizeToSkin(w, h);
    SkinSizeSettled();
  }
  Base::Resize();
}

template <class Base>
void SkinCustomBase<Base>::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  canvas.FillRect(bitmap.Bounds(), ui::kColorBtnFace);
}

template <class Base>
void SkinCustomBase<Base>::DrawSkinImage(gfx::Bitmap& bitmap) {
  DrawSkinPart(bitmap, geometry_.picture, geometry_.skinrect);
}

template <class Base>
bool SkinCustomBase<Base>::HasSkinLook() const {
  return this->RecordIndex() != Base::kNoRecord && geometry_.Drawable();
}

template class SkinCustomBase<TskSkinControl>;
template class SkinCustomBase<TskGraphicSkinControl>;

}  // namespace skin
