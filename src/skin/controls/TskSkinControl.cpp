// TskSkinControl: the windowed skinned control base: skin binding, record lookup and off-screen painting.
#include "skin/controls/TskSkinControl.h"

#include "gfx/Canvas.h"
#include "skin/controls/ToolkitParentPainter.h"
#include "skin/data/SkinData.h"
#include "skin/render/PieceCopy.h"

namespace skin {

TskSkinControl::TskSkinControl() { SetOpaque(true); }

TskSkinControl::~TskSkinControl() {
  if (skin_data_ != nullptr) skin_data_->RemoveClient(this);
}

void TskSkinControl::SetSkinData(TskSkinData* data) {
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

void TskSkinControl::SetSkinDataName(std::string name) { skin_data_name_ = std::move(name); }

void TskSkinControl::SkinDataDestroyed(TskSkinData* data) {
  if (data != skin_data_) return;
  skin_data_ = nullptr;
  PrepareSkinChange();
  Invalidate();
}

void TskSkinControl::LoadSkinRecord() {
  if (skin_data_ == nullptr || skin_data_->IsEmpty()) {
    record_index_ = kNoRecord;
    return;
  }
  record_index_ = skin_data_->FindControlIndex(skin_data_name_);
}

void TskSkinControl::ApplySkin() {
  LoadSkinRecord();
  Invalidate();
}

void TskSkinControl::PrepareSkinChange() { record_index_ = kNoRecord; }

void TskSkinControl::SkinMessageBeforeChange(const void* skin_data) {
  if (skin_data == nullptr || skin_data == skin_data_) PrepareSkinChange();
}

void TskSkinControl::SkinMessageChange(const void* skin_data) {
  if (skin_data == nullptr || skin_data == skin_data_) ApplySkin();
}

TskDataSkinControl* TskSkinControl::SkinRecord() const {
  if (skin_data_ == nullptr || record_index_ == kNoRecord || skin_data_->IsEmpty()) return nullptr;
  return skin_data_->ControlRecord(record_index_);
}

void TskSkinControl::DrawDefaultImage(gfx::Bitmap&) {}

void TskSkinControl::DrawSkinImage(gfx::Bitmap&) {}

void TskSkinControl::DrawParentBackgroundInto(gfx::Bitmap& bitmap) {
  ToolkitParentPainter parent(Parent());
  gfx::Canvas canvas(bitmap);
  DrawParentBackground(Parent() != nullptr ? &parent : nullptr, {Left(), Top()}, canvas);
}

void TskSkinControl::Paint(gfx::Canvas& canvas) {
  const int32_t w = Width(), h = Height();
  if (w <= 0 || h <= 0 || !gfx::Bitmap::IsAllowedSize(w, h)) return;
  LoadSkinRecord();
  ResetTarget(offscreen_, w, h);
  if (HasSkinLook()) {
    DrawSkinImage(offscreen_);
  } else {
    DrawDefaultImage(offscreen_);
  }
  // A strip keeps the skin's height (or width) even where alignment made the control larger;
  // the rest takes the control's colour rather than what was there before.
  if (offscreen_.Width() < w || offscreen_.Height() < h) canvas.FillRect({0, 0, w, h}, GetColor());
  canvas.Draw(0, 0, offscreen_);
}

void TskSkinControl::EraseBackground(gfx::Canvas&) {}

}  // namespace skin
