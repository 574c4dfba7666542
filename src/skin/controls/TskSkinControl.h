// TskSkinControl: the windowed skinned control base: skin binding, record lookup and off-screen painting.
#pragma once

#include "skin/controls/SkinControlBase.h"
#include "ui/WinControl.h"

namespace skin {

extern template class SkinControlBase<ui::WinControl>;

// The skinned base with a window. Between the two skin-change messages it has no record and
// looks plain.
class TskSkinControl : public SkinControlBase<ui::WinControl> {
 public:
  TskSkinControl();
  ~TskSkinControl() override;

  // The skin-change walk before the skin data frees its records and pictures: acts when
  // `skin_data` is this control's skin data or null (every skin).
  void SkinMessageBeforeChange(const void* skin_data) override;

 protected:
  // The paint covers the whole control, so the background is never erased.
  void EraseBackground(gfx::Canvas& canvas) override;
};

}  // namespace skin
