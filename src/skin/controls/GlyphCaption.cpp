// Where a button puts its glyph and caption, which glyph cell it shows, and drawing both.
#include "skin/controls/GlyphCaption.h"

#include "gfx/Canvas.h"
#include "skin/render/SkinGlyphs.h"
#include "ui/ImageList.h"

namespace skin {

int GlyphCell(bool down, bool active, bool enabled, int num_glyphs) {
  if (down && active && num_glyphs > 2) return 3;
  if (active && num_glyphs > 3) return 4;
  if (!enabled && num_glyphs > 1) return 2;
  return 1;
}

GlyphPlacement PlaceGlyphAndCaption(const gfx::Rect& rect, gfx::Size g, gfx::Size t, int margin, int spacing,
                                    ButtonLayout layout, bool pressed) {
  const int32_t cx = rect.left + rect.Width() / 2;
  const int32_t cy = rect.top + rect.Height() / 2;
  GlyphPlacement p;
  if (margin < 0) {
    const int32_t k = (g.width + t.width + spacing) / 2;
    const int32_t v = (g.height + t.height + spacing) / 2;
    switch (layout) {
      case ButtonLayout::blGlyphLeft:
        p = {{cx - k, cy - g.height / 2}, {cx + k - t.width, cy - t.height / 2}};
        break;
      case ButtonLayout::blGlyphRight:
        p = {{cx + k - g.width, cy - g.height / 2}, {cx - k, cy - t.height / 2}};
        break;
      case ButtonLayout::blGlyphTop:
        p = {{cx - g.width / 2, cy - v}, {cx - t.width / 2, cy + v - t.height}};
        break;
      case ButtonLayout::blGlyphBottom:
        p = {{cx - g.width / 2, cy + v - g.height}, {cx - t.width / 2, cy - v}};
        break;
    }
  } else {
    switch (layout) {
      case ButtonLayout::blGlyphLeft:
        p.glyph = {rect.left + margin, cy - g.height / 2};
        p.text = {p.glyph.x + g.width + spacing, cy - t.height / 2};
        break;
      case ButtonLayout::blGlyphRight:
        p.glyph = {rect.right - g.width - margin, cy - g.height / 2};
        p.text = {p.glyph.x - spacing - t.width, cy - t.height / 2};
        break;
      case ButtonLayout::blGlyphTop:
        p.glyph = {cx - g.width / 2, rect.top + margin};
        p.text = {cx - t.width / 2, p.glyph.y + g.height + spacing};
        break;
      case ButtonLayout::blGlyphBottom:
        p.glyph = {cx - g.width / 2, rect.bottom - g.height - margin};
        p.text = {cx - t.width / 2, p.glyph.y - spacing - t.height};
        break;
    }
  }
  if (pressed) {
    p.glyph = {p.glyph.x + 1, p.glyph.y + 1};
    p.text = {p.text.x + 1, p.text.y + 1};
  }
  return p;
}

gfx::Size CaptionSize(gfx::Canvas& canvas, std::string_view caption) {
  if (caption.empty()) return {0, 0};
  gfx::Rect r{0, 0, 0, 0};
  canvas.DrawText(r, caption, gfx::kDtCalcRect);
  return {r.Width(), r.Height()};
}

namespace {

void DrawCaptionAt(gfx::Canvas& canvas, gfx::Point at, gfx::Size size, std::string_view caption) {
  if (caption.empty()) return;
  gfx::Rect box{at.x, at.y, at.x + size.width + 2, at.y + size.height};
  gfx::CanvasSaver saver(canvas);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  canvas.DrawText(box, caption, gfx::kDtCenter | gfx::kDtVCenter);
}

}  // namespace

void DrawGlyphAndCaption(gfx::Canvas& canvas, const gfx::Rect& rect, int margin, bool pressed, int cell, int num_glyphs,
                         const gfx::Bitmap& glyph, std::string_view caption, ButtonLayout layout, int spacing) {
  gfx::Size g{0, 0};
  if (!glyph.IsEmpty() && num_glyphs > 0) g = {glyph.Width() / num_glyphs, glyph.Height()};
  if (g.width <= 0) g = {0, 0};
  const gfx::Size t = CaptionSize(canvas, caption);
  const GlyphPlacement p = PlaceGlyphAndCaption(rect, g, t, margin, spacing, layout, pressed);
  DrawCaptionAt(canvas, p.text, t, caption);
  if (g.width > 0) DrawGlyphFrame(canvas, p.glyph.x, p.glyph.y, cell, num_glyphs, glyph);
}

void DrawImageAndCaption(gfx::Canvas& canvas, const gfx::Rect& rect, int margin, bool pressed, const ui::ImageList& images,
                         int index, bool enabled, std::string_view caption, ButtonLayout layout, int spacing) {
  gfx::Size g{0, 0};
  if (images.ValidIndex(index)) g = {images.Width(), images.Height()};
  const gfx::Size t = CaptionSize(canvas, caption);
  const GlyphPlacement p = PlaceGlyphAndCaption(rect, g, t, margin, spacing, layout, pressed);
  DrawCaptionAt(canvas, p.text, t, caption);
  images.Draw(canvas, p.glyph.x, p.glyph.y, index, enabled);
}

}  // namespace skin
