// SkinControlBase: what the windowed and the windowless skinned control bases share.
#include "skin/controls/SkinControlBase.h"

#include "gfx/Canvas.h"
#include "skin/controls/ToolkitParentPainter.h"
#include "ui/GraphicControl.h"
#include "ui/WinControl.h"

namespace skin {

template <class Base>
SkinControlBase<Base>::SkinControlBase()
    : binding_([this] {
        PrepareSkinChange();
        this->Invalidate();
      }) {
  this->SetOpaque(true);
}

template <class Base>
SkinControlBase<Base>::~SkinControlBase() = default;

template <class Base>
void SkinControlBase<Base>::SetSkinData(TskSkinData* data) {
  if (binding_.SetData(data)) {
    ApplySkin();
    return;
  }
  this->Invalidate();
}

template <class Base>
void SkinControlBase<Base>::SetSkinDataName(std::string name) {
  binding_.SetName(std::move(name));
}

template <class Base>
void SkinControlBase<Base>::LoadSkinRecord() {
  binding_.LoadRecord();
}

template <class Base>
void SkinControlBase<Base>::ApplySkin() {
  LoadSkinRecord();
  this->Invalidate();
}

template <class Base>
void SkinControlBase<Base>::PrepareSkinChange() {
  binding_.ClearRecord();
}

template <class Base>
void SkinControlBase<Base>::SkinMessageChange(const void* skin_data) {
  if (binding_.Concerns(skin_data)) ApplySkin();
}

template <class Base>
void SkinControlBase<Base>::DrawDefaultImage(gfx::Bitmap&) {}

template <class Base>
void SkinControlBase<Base>::DrawSkinImage(gfx::Bitmap&) {}

template <class Base>
void SkinControlBase<Base>::DrawParentBackgroundInto(gfx::Bitmap& bitmap) {
  DrawToolkitParentBackground(*this, bitmap);
}

template <class Base>
void SkinControlBase<Base>::Paint(gfx::Canvas& canvas) {
  const int32_t w = this->Width(), h = this->Height();
  if (!SkinBinding::Paintable(w, h)) return;
  LoadSkinRecord();
  gfx::Bitmap& offscreen = binding_.Offscreen(w, h);
  if (HasSkinLook()) {
    DrawSkinImage(offscreen);
  } else {
    DrawDefaultImage(offscreen);
  }
  binding_.CopyOffscreen(canvas, w, h, this->GetColor());
}

template class SkinControlBase<ui::WinControl>;
template class SkinControlBase<ui::GraphicControl>;

}  // namespace skin
