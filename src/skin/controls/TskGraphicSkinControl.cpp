// TskGraphicSkinControl: the windowless skinned control base, painted on its parent.
#include "skin/controls/TskGraphicSkinControl.h"

#include "gfx/Canvas.h"
#include "skin/controls/ToolkitParentPainter.h"

namespace skin {

TskGraphicSkinControl::TskGraphicSkinControl() : binding_([this] {
  PrepareSkinChange();
  Invalidate();
}) {
  SetOpaque(true);
}

TskGraphicSkinControl::~TskGraphicSkinControl() = default;

void TskGraphicSkinControl::SetSkinData(TskSkinData* data) {
  if (binding_.SetData(data)) {
    ApplySkin();
    return;
  }
  Invalidate();
}

void TskGraphicSkinControl::LoadSkinRecord() { binding_.LoadRecord(); }

void TskGraphicSkinControl::ApplySkin() {
  LoadSkinRecord();
  Invalidate();
}

void TskGraphicSkinControl::PrepareSkinChange() { binding_.ClearRecord(); }

void TskGraphicSkinControl::SkinMessageChange(const void* skin_data) {
  if (binding_.Concerns(skin_data)) ApplySkin();
}

void TskGraphicSkinControl::DrawDefaultImage(gfx::Bitmap&) {}

void TskGraphicSkinControl::DrawSkinImage(gfx::Bitmap&) {}

void TskGraphicSkinControl::DrawParentBackgroundInto(gfx::Bitmap& bitmap) { DrawToolkitParentBackground(*this, bitmap); }

void TskGraphicSkinControl::Paint(gfx::Canvas& canvas) {
  const int32_t w = Width(), h = Height();
  if (!SkinBinding::Paintable(w, h)) return;
  LoadSkinRecord();
  gfx::Bitmap& offscreen = binding_.Offscreen(w, h);
  if (HasSkinLook()) {
    DrawSkinImage(offscreen);
  } else {
    DrawDefaultImage(offscreen);
  }
  binding_.CopyOffscreen(canvas, w, h, GetColor());
}

}  // namespace skin
