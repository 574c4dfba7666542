// Bevel: a sunken or raised box, frame or line drawn on the parent, to group or divide controls.
#pragma once

#include "gfx/Color.h"
#include "ui/GraphicControl.h"

namespace ui {

enum class BevelShape { kBox, kFrame, kTopLine, kBottomLine, kLeftLine, kRightLine, kSpacer };
enum class BevelStyle { kLowered, kRaised };

// Draws in two colours: the dark one where light does not reach, the light one where it does (a
// lowered bevel is dark at its top and left). kSpacer draws nothing and only takes room.
class Bevel : public GraphicControl {
 public:
  Bevel();

  BevelShape Shape() const { return shape_; }
  void SetShape(BevelShape shape);
  BevelStyle Style() const { return style_; }
  void SetStyle(BevelStyle style);
  // The two colours (button highlight and button shadow at creation).
  gfx::Color LightColor() const { return light_; }
  gfx::Color DarkColor() const { return dark_; }
  void SetColors(gfx::Color light, gfx::Color dark);

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  BevelShape shape_ = BevelShape::kBox;
  BevelStyle style_ = BevelStyle::kLowered;
  gfx::Color light_;
  gfx::Color dark_;
};

}  // namespace ui
