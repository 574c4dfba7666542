// Small drawing helpers for the plain (unskinned) look: raised and sunken 3-D edges.
#pragma once

#include "gfx/Geometry.h"

namespace gfx {
class Canvas;
}

namespace ui {

// A two-pixel raised edge inside r (highlight top-left, shadows bottom-right).
void DrawRaisedEdge(gfx::Canvas& canvas, const gfx::Rect& r);
// A one-pixel bevel inside r: raised (light top-left) or lowered (dark top-left).
void DrawBevel(gfx::Canvas& canvas, const gfx::Rect& r, bool raised);
// The grooved frame of a group box: an etched line pair.
void DrawEtchedFrame(gfx::Canvas& canvas, const gfx::Rect& r);

}  // namespace ui
