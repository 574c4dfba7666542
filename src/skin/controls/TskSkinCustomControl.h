// TskSkinCustomControl: a windowed skinned control that takes its size, image and shape from its record.
#pragma once

#include "skin/controls/SkinCustomBase.h"
#include "skin/controls/TskSkinControl.h"

namespace skin {

extern template class SkinCustomBase<TskSkinControl>;

// The record-sized control with a window, which also takes the shape of the record's mask.
class TskSkinCustomControl : public SkinCustomBase<TskSkinControl> {
 public:
  TskSkinCustomControl();

  const gfx::Bitmap* MaskPicture() const { return Geometry().mask_picture; }
  // Shapes the control by the record's mask, or gives it back its rectangle.
  virtual void UpdateSkinRegion();

 protected:
  // The shape follows every fit of the size, alignment's included.
  void SkinSizeSettled() override { UpdateSkinRegion(); }

 private:
  bool shaped_ = false;
};

}  // namespace skin
