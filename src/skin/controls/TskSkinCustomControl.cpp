// TskSkinCustomControl: a windowed skinned control that takes its size, image and shape from its record.
#include "skin/controls/TskSkinCustomControl.h"

namespace skin {

TskSkinCustomControl::TskSkinCustomControl() = default;

void TskSkinCustomControl::UpdateSkinRegion() {
  std::optional<gfx::Region> region;
  if (RecordIndex() != kNoRecord) region = Geometry().Region(Width(), Height());
  if (!region && !shaped_) return;
  shaped_ = region.has_value();
  SetShape(std::move(region));
}

}  // namespace skin
