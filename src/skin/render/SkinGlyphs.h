// Small shapes drawn with 1-pixel lines: arrows, check and radio marks, frame button glyphs, 3D frames.
#pragma once

#include <cstdint>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"

namespace gfx {
class Canvas;
}

namespace skin {

// Every shape below is drawn in `color` with a solid 1-pixel pen; the canvas's pen and pen position
// are left as they were. A line from one point to another includes its start and not its end.
// Shapes centred in a rectangle use cx = left + width div 2 and cy = top + height div 2.

// Frame `frame` (counted from 1) of `count` equal frames side by side in `strip`, drawn at (x, y)
// with the frame's bottom-left pixel colour left transparent. Nothing for an empty strip or a frame
// number outside 1..count.
void DrawGlyphFrame(gfx::Canvas& canvas, int32_t x, int32_t y, int frame, int count, const gfx::Bitmap& strip);

// Arrow kinds of DrawArrow.
enum ArrowKind : int { kArrowLeft = 1, kArrowRight = 2, kArrowUp = 3, kArrowDown = 4 };

// A 7-pixel arrow of four lines centred on the rectangle; other kinds draw nothing.
void DrawArrow(gfx::Canvas& canvas, const gfx::Rect& r, gfx::Color color, int kind);
// A 5-pixel downward arrow of three lines.
void DrawSmallDownArrow(gfx::Canvas& canvas, const gfx::Rect& r, gfx::Color color);
// A check mark three pixels thick in an 8 x 8 cell at (x, y).
void DrawCheckMark(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color);
// A filled 6 x 6 square at (x, y).
void DrawRadioMark(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color);

// Frame button glyphs in a cell at (x, y).
void DrawCloseGlyph(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color);
void DrawCloseGlyph(gfx::Canvas& canvas, const gfx::Rect& r, gfx::Color color);  // 10 x 10 cell centred in r
void DrawMinimizeGlyph(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color);
void DrawMaximizeGlyph(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color);
void DrawRestoreGlyph(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color);
void DrawRollDownGlyph(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color);
void DrawRollUpGlyph(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color);
void DrawSysMenuGlyph(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color);
void DrawMinToTrayGlyph(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color);

// A raised or sunken 1-pixel frame just inside r: the left and top edges in top_left, then the
// right and bottom edges (including the bottom-left corner) in bottom_right.
void DrawFrame3D(gfx::Canvas& canvas, const gfx::Rect& r, gfx::Color top_left, gfx::Color bottom_right);

}  // namespace skin
