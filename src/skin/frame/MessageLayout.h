// MessageLayout: where a message box puts its text, icon and buttons, and how large it is.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/Geometry.h"

namespace skin {

struct MessageLayoutRequest {
  gfx::Size text;        // the message text's size as laid out
  int button_count = 0;
  int32_t button_height = 25;
  gfx::Size frame;       // what the frame adds around the client area (outer minus client size)
  int32_t min_outer_width = 0;  // the frame's smallest width
  gfx::Rect work_area;
};

struct MessageLayout {
  gfx::Size client;
  gfx::Rect text;                  // client coordinates
  gfx::Point icon;                 // top-left of the 32 x 32 icon
  std::vector<gfx::Rect> buttons;  // in the order asked for
};

constexpr int32_t kMessageButtonWidth = 60;
constexpr int32_t kMessageButtonGap = 10;
constexpr gfx::Point kMessageTextAt{50, 15};

// The text sits at (50, 15), the icon left of it centred on the text's middle (but not above
// y 10), the buttons in a centred row 10 pixels above the bottom. The client area is 40 wider than
// the wider of the text's right edge and the button row, and button height + text height + 50 high.
// The outer size keeps to the work area and to the frame's smallest width; a box too high for the
// work area keeps its buttons inside and shows as much of the text as fits.
MessageLayout LayOutMessage(const MessageLayoutRequest& r);

// The widest text that still fits into a box on the work area: its width minus the frame, the text's
// left inset and the right margin.
int32_t MaxMessageTextWidth(const gfx::Rect& work_area, gfx::Size frame);

}  // namespace skin
