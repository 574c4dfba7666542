// Where a button puts its glyph and caption, which glyph cell it shows, and drawing both.
#pragma once

#include <string_view>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace gfx {
class Canvas;
}
namespace ui {
class ImageList;
}

namespace skin {

// The glyph's side of the caption.
enum class ButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The cell (counted from 1) of a glyph strip of `num_glyphs` cells that a button shows: 3 pressed,
// 4 hot, 2 disabled, 1 otherwise, each only when the strip has that many cells.
int GlyphCell(bool down, bool active, bool enabled, int num_glyphs);

struct GlyphPlacement {
  gfx::Point glyph;
  gfx::Point text;
};

// The top-left corners of a glyph of glyph_size and a caption of text_size in rect. A margin of -1
// centres the pair; a margin m >= 0 puts the glyph m pixels from its side and the caption `spacing`
// pixels beyond it. Pressed moves both one pixel right and down. Divisions truncate towards zero.
GlyphPlacement PlaceGlyphAndCaption(const gfx::Rect& rect, gfx::Size glyph_size, gfx::Size text_size, int margin,
                                    int spacing, ButtonLayout layout, bool pressed);

// The size of `caption` drawn in the canvas's font ("&" marks an accelerator); 0 x 0 when empty.
gfx::Size CaptionSize(gfx::Canvas& canvas, std::string_view caption);

// Draws the caption in the canvas's font and colour at its place (centred in a box two pixels wider
// than itself, on a clear background) and glyph cell `cell` of the `num_glyphs` cells of `glyph`
// (its cell's bottom-left pixel colour transparent). A strip narrower than num_glyphs pixels has
// cells of width 0 and draws no glyph.
void DrawGlyphAndCaption(gfx::Canvas& canvas, const gfx::Rect& rect, int margin, bool pressed, int cell, int num_glyphs,
                         const gfx::Bitmap& glyph, std::string_view caption, ButtonLayout layout, int spacing);

// As DrawGlyphAndCaption with image `index` of `images` in place of a glyph cell, drawn enabled or
// greyed. An invalid index takes no room and draws nothing.
void DrawImageAndCaption(gfx::Canvas& canvas, const gfx::Rect& rect, int margin, bool pressed, const ui::ImageList& images,
                         int index, bool enabled, std::string_view caption, ButtonLayout layout, int spacing);

}  // namespace skin
