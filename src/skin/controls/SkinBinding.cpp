// SkinBinding: what a skinned control base holds to draw from a skin: the link, its record's index, the off-screen bitmap.
#include "skin/controls/SkinBinding.h"

#include "gfx/Canvas.h"
#include "skin/data/SkinData.h"
#include "skin/render/PieceCopy.h"

namespace skin {

bool SkinBinding::SetData(TskSkinData* data) {
  link_.SetData(data);
  return link_.Loaded();
}

void SkinBinding::LoadRecord() {
  if (!link_.Loaded()) {
    record_index_ = kNoRecord;
    return;
  }
  record_index_ = link_.Data()->FindControlIndex(link_.Name());
}

TskDataSkinControl* SkinBinding::Record() const {
  if (record_index_ == kNoRecord || !link_.Loaded()) return nullptr;
  return link_.Data()->ControlRecord(record_index_);
}

bool SkinBinding::Paintable(int32_t width, int32_t height) {
  return width > 0 && height > 0 && gfx::Bitmap::IsAllowedSize(width, height);
}

gfx::Bitmap& SkinBinding::Offscreen(int32_t width, int32_t height) {
  ResetTarget(offscreen_, width, height);
  return offscreen_;
}

void SkinBinding::CopyOffscreen(gfx::Canvas& canvas, int32_t width, int32_t height, gfx::Color fill) const {
  if (offscreen_.Width() < width || offscreen_.Height() < height) canvas.FillRect({0, 0, width, height}, fill);
  canvas.Draw(0, 0, offscreen_);
}

}  // namespace skin
