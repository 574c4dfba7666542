// Panel: a container with optional outer and inner bevels and a centred caption.
#pragma once

#include "ui/WinControl.h"

namespace ui {

enum class Bevel { kNone, kLowered, kRaised };

class Panel : public WinControl {
 public:
  Panel();

  Bevel BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(Bevel b) { bevel_outer_ = b; Realign(); Invalidate(); }
  Bevel BevelInner() const { return bevel_inner_; }
  void SetBevelInner(Bevel b) { bevel_inner_ = b; Realign(); Invalidate(); }
  int BevelWidth() const { return bevel_width_; }

 protected:
  void Paint(gfx::Canvas& canvas) override;
  // Aligned children stay inside the bevels.
  gfx::Rect AlignRect() const override;

 private:
  int BorderSize() const;

  Bevel bevel_outer_ = Bevel::kRaised;
  Bevel bevel_inner_ = Bevel::kNone;
  int bevel_width_ = 1;
};

}  // namespace ui
