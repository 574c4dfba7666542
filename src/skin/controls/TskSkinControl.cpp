// TskSkinControl: the windowed skinned control base: skin binding, record lookup and off-screen painting.
#include "skin/controls/TskSkinControl.h"

#include "gfx/Canvas.h"
#include "skin/controls/ToolkitParentPainter.h"

namespace skin {

TskSkinControl::TskSkinControl() : binding_([this] {
  PrepareSkinChange();
  Invalidate();
}) {
  SetOpaque(true);
}

TskSkinControl::~TskSkinControl() = default;

void TskSkinControl::SetSkinData(TskSkinData* data) {
  if (binding_.SetData(data)) {
    ApplySkin();
    return;
  }
  Invalidate();
}

void TskSkinControl::SetSkinDataName(std::string name) { binding_.SetName(std::move(name)); }

void TskSkinControl::LoadSkinRecord() { binding_.LoadRecord(); }

void TskSkinControl::ApplySkin() {
  LoadSkinRecord();
  Invalidate();
}

void TskSkinControl::PrepareSkinChange() { binding_.ClearRecord(); }

void TskSkinControl::SkinMessageBeforeChange(const void* skin_data) {
  if (binding_.Concerns(skin_data)) PrepareSkinChange();
}

void TskSkinControl::SkinMessageChange(const void* skin_data) {
  if (binding_.Concerns(skin_data)) ApplySkin();
}

void TskSkinControl::DrawDefaultImage(gfx::Bitmap&) {}

void TskSkinControl::DrawSkinImage(gfx::Bitmap&) {}

void TskSkinControl::DrawParentBackgroundInto(gfx::Bitmap& bitmap) { DrawToolkitParentBackground(*this, bitmap); }

void TskSkinControl::Paint(gfx::Canvas& canvas) {
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

void TskSkinControl::EraseBackground(gfx::Canvas&) {}

}  // namespace skin
