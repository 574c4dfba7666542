// TskGraphicSkinControl: the windowless skinned control base, painted on its parent.
#pragma once

#include "skin/controls/SkinControlBase.h"
#include "ui/GraphicControl.h"

namespace skin {

extern template class SkinControlBase<ui::GraphicControl>;

// As TskSkinControl for a control without a window of its own. It has no shape. Since it looks
// its record up on every paint, the skin change before a load leaves it alone; the one after a
// load applies the new skin.
class TskGraphicSkinControl : public SkinControlBase<ui::GraphicControl> {
 public:
  TskGraphicSkinControl();
  ~TskGraphicSkinControl() override;
};

}  // namespace skin
