// TskGraphicSkinCustomControl: a windowless skinned control that takes its size and image from its record.
#include "skin/controls/TskGraphicSkinCustomControl.h"

namespace skin {

TskGraphicSkinCustomControl::TskGraphicSkinCustomControl() = default;

}  // namespace skin
