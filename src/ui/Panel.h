// Panel: a container with optional outer and inner bevels and a centred caption.
#pragma once

#include "ui/WinControl.h"

namespace ui {

enum class PanelBevel { kNone, kLowered, kRaised };

class Panel : public WinControl {
 public:
  Panel();

  PanelBevel BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(PanelBevel b) { bevel_outer_ = b; Realign(); Invalidate(); }
  PanelBevel BevelInner() const { return bevel_inner_; }
  void SetBevelInner(PanelBevel b) { bevel_inner_ = b; Realign(); Invalidate(); }
  int BevelWidth() const { return bevel_width_; }

 protected:
  void Paint(gfx::Canvas& canvas) override;
  // Aligned children stay inside the bevels.
  gfx::Rect AlignRect() const override;

 private:
  int BorderSize() const;

  PanelBevel bevel_outer_ = PanelBevel::kRaised;
  PanelBevel bevel_inner_ = PanelBevel::kNone;
  int bevel_width_ = 1;
};

}  // namespace ui
