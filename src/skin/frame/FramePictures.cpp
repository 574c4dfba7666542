// The pictures a skinned frame draws from, held at 24 bits so no paint converts a picture again.
#include "skin/frame/FramePictures.h"

#include "skin/data/SkinData.h"

namespace skin {

namespace {

gfx::Bitmap To24(const gfx::Bitmap& picture) {
  if (picture.IsEmpty()) return {};
  return picture.BitsPerPixel() == 24 ? picture : picture.ToBgr24();
}

}  // namespace

void FramePictures::Load(const TskSkinData& data) {
  frame_ = To24(data.FramePicture());
  inactive_ = To24(data.InactiveFramePicture());
  mask_ = To24(data.FrameMask());
  active_.clear();
  active_.reserve(data.ActivePictures().size());
  for (const gfx::Bitmap& picture : data.ActivePictures()) active_.push_back(To24(picture));
  info_ = &data.FrameInfo();
}

void FramePictures::Clear() {
  frame_ = {};
  inactive_ = {};
  mask_ = {};
  active_.clear();
  info_ = nullptr;
}

const gfx::Bitmap* FramePictures::Active(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= active_.size() || active_[static_cast<size_t>(index)].IsEmpty())
    return nullptr;
  return &active_[static_cast<size_t>(index)];
}

}  // namespace skin
