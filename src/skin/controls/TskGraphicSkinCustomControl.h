// TskGraphicSkinCustomControl: a windowless skinned control that takes its size and image from its record.
#pragma once

#include "skin/controls/SkinCustomBase.h"
#include "skin/controls/TskGraphicSkinControl.h"

namespace skin {

extern template class SkinCustomBase<TskGraphicSkinControl>;

// As TskSkinCustomControl without a shape: the record's geometry is copied, the size follows the
// skin's sizing and the image is cut to the present size; without a record DefaultWidth,
// DefaultHeight and the plain look apply.
class TskGraphicSkinCustomControl : public SkinCustomBase<TskGraphicSkinControl> {
 public:
  TskGraphicSkinCustomControl();
};

}  // namespace skin
