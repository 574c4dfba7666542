// TskGraphicSkinControl: the windowless skinned control base, painted on its parent.
#include "skin/controls/TskGraphicSkinControl.h"

#include "gfx/Canvas.h"
#include "skin/controls/ToolkitParentPainter.h"
#include "skin/data/SkinData.h"
#include "skin/render/PieceCopy.h"
#include "ui/WinControl.h"

namespace skin {

TskGraphicSkinControl::TskGraphicSkinControl() { SetOpaque(true); }

TskGraphicSkinControl::~TskGraphicSkinControl() {
  if (skin_data_ != nullptr) skin_data_->RemoveClient(this);
}

void TskGraphicSkinControl::SetSkinData(TskSkinData* data) {
  if (data != skin_data_) {
    if (skin_data_ != nullptr) skin_data_->RemoveClient(this);
    skin_data_ = data;
    if (data != nullptr) data->AddClient(this);
  }
  if (data != nullptr && !data->IsEmpty()) {
    ApplySkin();
    return;
  }
  Invalidate();
}

void TskGraphicSkinControl::SkinDataDestroyed(TskSkinData* data) {
  if (data != skin_data_) return;
  skin_data_ = nullptr;
  PrepareSkinChange();
  Invalidate();
}

void TskGraphicSkinControl::LoadSkinRecord() {
  if (skin_data_ == nullptr || skin_data_->IsEmpty()) {
    record_index_ = kNoRecord;
    return;
  }
  record_index_ = skin_data_->FindControlIndex(skin_data_name_);
}

void TskGraphicSkinControl::ApplySkin() {
  LoadSkinRecord();
  Invalidate();
}

void TskGraphicSkinControl::PrepareSkinChange() { record_index_ = kNoRecord; }

void TskGraphicSkinControl::SkinMessageChange(const void* skin_data) {
  if (skin_data == nullptr || skin_data == skin_data_) ApplySkin();
}

TskDataSkinControl* TskGraphicSkinControl::SkinRecord() const {
  if (skin_data_ == nullptr || record_index_ == kNoRecord || skin_data_->IsEmpty()) return nullptr;
  return skin_data_->ControlRecord(record_index_);
}

void TskGraphicSkinControl::DrawDefaultImage(gfx::Bitmap&) {}

void TskGraphicSkinControl::DrawSkinImage(gfx::Bitmap&) {}

void TskGraphicSkinControl::DrawParentBackgroundInto(gfx::Bitmap& bitmap) {
  ToolkitParentPainter parent(Parent());
  gfx::Canvas canvas(bitmap);
  DrawParentBackground(Parent() != nullptr ? &parent : nullptr, {Left(), Top()}, canvas);
}

void TskGraphicSkinControl::Paint(gfx::Canvas& canvas) {
  const int32_t w = Width(), h = Height();
  if (w <= 0 || h <= 0 || !gfx::Bitmap::IsAllowedSize(w, h)) return;
  LoadSkinRecord();
  ResetTarget(offscreen_, w, h);
  if (HasSkinLook()) {
    DrawSkinImage(offscreen_);
  } else {
    DrawDefaultImage(offscreen_);
  }
  if (offscreen_.Width() < w || offscreen_.Height() < h) canvas.FillRect({0, 0, w, h}, GetColor());
  canvas.Draw(0, 0, offscreen_);
}

}  // namespace skin
