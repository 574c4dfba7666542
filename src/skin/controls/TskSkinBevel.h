// TskSkinBevel: the toolkit's bevel in the skin's light and dark colours, or as a divider line.
#pragma once

#include <string>

#include "skin/controls/SkinDataLink.h"
#include "ui/Bevel.h"

namespace skin {

// Takes lightcolor and darkcolor from its record (button highlight and shadow without one). In
// divider mode it draws one two-colour line through its middle, inset by 2 pixels: across for
// the top-line and bottom-line shapes, upright for the others, none for the spacer.
class TskSkinBevel : public ui::Bevel {
 public:
  TskSkinBevel();

  TskSkinData* SkinData() const { return link_.Data(); }
  void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return link_.Name(); }
  void SetSkinDataName(std::string name) { link_.SetName(std::move(name)); }
  bool DividerMode() const { return divider_mode_; }
  void SetDividerMode(bool on);

  void ApplySkin();
  void SkinMessageChange(const void* skin_data) override;

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  SkinDataLink link_;
  bool divider_mode_ = false;
};

}  // namespace skin
