// TskSkinControl: the windowed skinned control base: skin binding, record lookup and off-screen painting.
#include "skin/controls/TskSkinControl.h"

namespace skin {

TskSkinControl::TskSkinControl() = default;

TskSkinControl::~TskSkinControl() = default;

void TskSkinControl::SkinMessageBeforeChange(const void* skin_data) {
  if (ConcernsSkin(skin_data)) PrepareSkinChange();
}

void TskSkinControl::EraseBackground(gfx::Canvas&) {}

}  // namespace skin
