// GraphicControl: a control without a window of its own that paints on its parent.
#pragma once

#include "ui/Control.h"

namespace ui {

// Graphic controls take no keyboard focus and have no children; they are painted as part of
// their parent, after the parent's own background.
class GraphicControl : public Control {
 public:
  GraphicControl() = default;
};

}  // namespace ui
