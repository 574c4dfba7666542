// The pictures a skinned frame draws from, held at 24 bits so no paint converts a picture again.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/Bitmap.h"

namespace skin {

class TskSkinData;
struct SkinFrameInfo;

// Skins keep their pictures at the depth they were stored with (often 8 bits with a palette);
// every copy from such a picture would convert all of it first. The frame converts each once when
// a skin is applied. Valid until the next Load or Clear.
class FramePictures {
 public:
  void Load(const TskSkinData& data);
  void Clear();

  const gfx::Bitmap& Frame() const { return frame_; }
  const gfx::Bitmap& Inactive() const { return inactive_; }
  const gfx::Bitmap& Mask() const { return mask_; }
  // Entry `index` of the skin's numbered pictures, or null for -1, an index past the end or an
  // empty picture.
  const gfx::Bitmap* Active(int32_t index) const;
  // The skin's frame description (null before Load).
  const SkinFrameInfo* Info() const { return info_; }

 private:
  gfx::Bitmap frame_;
  gfx::Bitmap inactive_;
  gfx::Bitmap mask_;
  std::vector<gfx::Bitmap> active_;
  const SkinFrameInfo* info_ = nullptr;
};

}  // namespace skin
