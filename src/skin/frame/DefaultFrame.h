// The frame of a form without a skin: a 3D border, a grooved caption bar and glyph caption buttons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Font.h"
#include "gfx/Geometry.h"
#include "skin/ini/IniValues.h"

namespace gfx {
class Canvas;
}

namespace skin {

class TskActiveSkinObject;

// Caption height and caption button size: 19 and 17, or 15 and 13 on a tool window.
struct DefaultFrameMetrics {
  int32_t caption_height = 19;
  int32_t button_size = 17;
};
DefaultFrameMetrics DefaultMetrics(bool tool_window);

// The client rectangle of a width x height window inside the plain frame.
gfx::Rect DefaultClientRect(const DefaultFrameMetrics& m, int32_t width, int32_t height);

// Places the visible caption buttons of `objects` for a window `width` wide and returns the caption
// rectangle they leave: close, maximize, minimize, roll-up and tray from the right edge leftwards
// without gaps, the system menu button at the left end.
//
//   3 +----+--------------------------------+----+----+----+----+ W - 3
//     |menu| caption                        |roll|min |max |close
gfx::Rect LayoutDefaultObjects(const std::vector<TskActiveSkinObject*>& objects, const DefaultFrameMetrics& m,
                               int32_t width);

// Paints the plain frame of a width x height window on `canvas` (window coordinates), leaving the
// client rectangle alone: the caption bar with its grooves, the caption text in `font` centred in
// `caption` on a plain box, every visible object, and three nested 1-pixel frames around it all.
void PaintDefaultFrame(gfx::Canvas& canvas, const DefaultFrameMetrics& m, int32_t width, int32_t height,
                       const gfx::Rect& caption, const std::string& text, const gfx::Font& font,
                       const std::vector<TskActiveSkinObject*>& objects);

// How a plain caption button looks now.
struct DefaultButtonLook {
  bool pressed = false;
  bool hovered = false;
  bool enabled = true;
  bool restore = false;  // maximize while maximized, minimize while minimized, roll-up while rolled up
};

// A plain caption button at `rect`: a highlight frame while hovered or held, and its glyph.
void DrawDefaultFrameButton(gfx::Canvas& canvas, const gfx::Rect& rect, SkinCommand command,
                            const DefaultButtonLook& look);

}  // namespace skin
