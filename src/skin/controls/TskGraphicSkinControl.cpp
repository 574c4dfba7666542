// TskGraphicSkinControl: the windowless skinned control base, painted on its parent.
#include "skin/controls/TskGraphicSkinControl.h"

namespace skin {

TskGraphicSkinControl::TskGraphicSkinControl() = default;

TskGraphicSkinControl::~TskGraphicSkinControl() = default;

}  // namespace skin
