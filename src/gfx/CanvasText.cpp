// Canvas text: glyph masks blended in the font's colour, turned text, and formatted DrawText.
#include <algorithm>
#include <unordered_map>

#include "gfx/Canvas.h"
#include "gfx/CanvasPainter.h"
#include "gfx/FontCache.h"
#include "gfx/TextLayout.h"
#include "gfx/TextUtf8.h"

namespace gfx {

namespace {

// Text directions: text pixel (u, v), u along the text and v down across it, relative to the
// reference point (x, y), lands on bitmap pixel
//   0:    (x + u,     y + v)
//   900:  (x + v,     y - 1 - u)   reading upwards
//   1800: (x - 1 - u, y - 1 - v)
//   2700: (x - 1 - v, y + u)       reading downwards
int QuarterTurns(int32_t escapement) {
  int32_t e = escapement % 3600;
  if (e < 0) e += 3600;
  return static_cast<int>(((e + 450) / 900) % 4);
}

Point ToBitmapPixel(int turns, Point ref, int32_t u, int32_t v) {
  switch (turns) {
    case 1: return {ref.x + v, ref.y - 1 - u};
    case 2: return {ref.x - 1 - u, ref.y - 1 - v};
    case 3: return {ref.x - 1 - v, ref.y + u};
    default: return {ref.x + u, ref.y + v};
  }
}

Point ToTextPixel(int turns, Point ref, int32_t bx, int32_t by) {
  switch (turns) {
    case 1: return {ref.y - 1 - by, bx - ref.x};
    case 2: return {ref.x - 1 - bx, ref.y - 1 - by};
    case 3: return {by - ref.y, ref.x - 1 - bx};
    default: return {bx - ref.x, by - ref.y};
  }
}

// The bounding rectangle of r's pixels after a mapping of pixels to pixels.
template <class Map>
Rect MapRect(const Rect& r, Map map) {
  if (r.IsEmpty()) return {};
  const Point a = map(r.left, r.top), b = map(r.right - 1, r.bottom - 1);
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

void FillRows(CoverageMask& m, int32_t u0, int32_t u1, int32_t v0, int32_t rows) {
  const Rect band = Rect{u0, v0, u1, v0 + rows}.Intersect(m.bounds);
  const size_t stride = static_cast<size_t>(m.bounds.Width());
  for (int32_t v = band.top; v < band.bottom; ++v)
    std::fill_n(m.coverage.begin() + static_cast<ptrdiff_t>(static_cast<size_t>(v - m.bounds.top) * stride +
                                                            static_cast<size_t>(band.left - m.bounds.left)),
                band.Width(), uint8_t{255});
}

// Draws one line of text with its cell's top-left (in text direction) at ref (bitmap coordinates),
// limited to limit (bitmap coordinates) and the clip.
void DrawLine(Canvas& canvas, const TextLine& line, Point ref, int turns, const Rect& limit) {
  const Font& font = canvas.Font();
  const FontMetrics m = font.Metrics();
  const int32_t width = line.Width();
  const auto to_bitmap = [&](int32_t u, int32_t v) { return ToBitmapPixel(turns, ref, u, v); };
  const auto to_text = [&](int32_t x, int32_t y) { return ToTextPixel(turns, ref, x, y); };

  const Rect visible = limit.Intersect(canvas.Target().Bounds());
  if (visible.IsEmpty()) return;
  if (canvas.Brush().style == BrushStyle::kSolid) {
    const Rect cell = MapRect(Rect{0, 0, width, m.height}, to_bitmap).Intersect(visible);
    CanvasPainter::FillBitmapRect(canvas, cell, canvas.Brush().color);
  }
  if (line.text.empty()) return;

  // Glyphs may reach past the cell (side bearings, slanted letters, tall fallback characters), so
  // the mask has a margin of a line height; only what can be seen is ever allocated.
  const int32_t margin = std::max(m.height, 4);
  Rect text_area{-margin, -margin, width + margin, m.height + margin};
  text_area = text_area.Intersect(MapRect(visible, to_text));
  if (text_area.IsEmpty()) return;

  CoverageMask mask;
  mask.bounds = text_area;
  mask.coverage.assign(static_cast<size_t>(text_area.Width()) * static_cast<size_t>(text_area.Height()), 0);
  const size_t stride = static_cast<size_t>(text_area.Width());
  const auto glyphs = FontCache::Instance().Glyphs(font, line.text);
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const GlyphImage& g = *glyphs[i];
    if (g.coverage.empty()) continue;
    const Rect at = Rect::FromSize(line.x[i] + g.left, m.ascent - g.top, g.width, g.height);
    const Rect part = at.Intersect(text_area);
    for (int32_t v = part.top; v < part.bottom; ++v) {
      const uint8_t* src = g.coverage.data() + static_cast<size_t>(v - at.top) * static_cast<size_t>(g.width) +
                           static_cast<size_t>(part.left - at.left);
      uint8_t* dst = mask.coverage.data() + static_cast<size_t>(v - text_area.top) * stride +
                     static_cast<size_t>(part.left - text_area.left);
      for (int32_t u = part.left; u < part.right; ++u, ++src, ++dst) *dst = std::max(*dst, *src);
    }
  }
  const int32_t underline_top = m.ascent + m.underline_position;
  if (font.IsUnderline()) FillRows(mask, 0, width, underline_top, m.underline_thickness);
  if (font.IsStrikeOut()) FillRows(mask, 0, width, m.ascent - m.strikeout_position, m.underline_thickness);
  for (size_t i = 0; i < line.underlined.size(); ++i)
    if (line.underlined[i]) FillRows(mask, line.x[i], line.x[i + 1], underline_top, m.underline_thickness);

  if (turns == 0) {
    mask.bounds = text_area.Offset(ref.x, ref.y);
    CanvasPainter::BlendMask(canvas, mask, font.Color(), visible);
    return;
  }
  CoverageMask turned;
  turned.bounds = MapRect(text_area, to_bitmap);
  turned.coverage.resize(mask.coverage.size());
  const size_t turned_stride = static_cast<size_t>(turned.bounds.Width());
  for (int32_t y = turned.bounds.top; y < turned.bounds.bottom; ++y) {
    for (int32_t x = turned.bounds.left; x < turned.bounds.right; ++x) {
      const Point t = to_text(x, y);
      turned.coverage[static_cast<size_t>(y - turned.bounds.top) * turned_stride +
                      static_cast<size_t>(x - turned.bounds.left)] =
          mask.coverage[static_cast<size_t>(t.y - text_area.top) * stride + static_cast<size_t>(t.x - text_area.left)];
    }
  }
  CanvasPainter::BlendMask(canvas, turned, font.Color(), visible);
}

// A line of plain text: no prefixes, tabs without width.
TextLine PlainLine(const Font& font, std::string_view utf8) {
  TextLine line;
  line.text = DecodeUtf8(utf8);
  line.underlined.assign(line.text.size(), 0);
  line.x.reserve(line.text.size() + 1);
  line.x.push_back(0);
  for (int32_t a : FontCache::Instance().Advances(font, line.text)) line.x.push_back(line.x.back() + a);
  return line;
}

}  // namespace

void Canvas::TextOut(int32_t x, int32_t y, std::string_view utf8) {
  DrawLine(*this, PlainLine(state_.font, utf8), CanvasPainter::ToBitmap(*this, Point{x, y}),
           QuarterTurns(state_.font.Escapement()), target_.Bounds());
}

void Canvas::TextRect(const Rect& r, int32_t x, int32_t y, std::string_view utf8) {
  DrawLine(*this, PlainLine(state_.font, utf8), CanvasPainter::ToBitmap(*this, Point{x, y}),
           QuarterTurns(state_.font.Escapement()), CanvasPainter::ToBitmap(*this, r));
}

int32_t Canvas::TextWidth(std::string_view utf8) const { return state_.font.TextWidth(utf8); }

int32_t Canvas::TextHeight(std::string_view) const { return state_.font.TextHeight(); }

Size Canvas::TextExtent(std::string_view utf8) const { return state_.font.TextExtent(utf8); }

int32_t Canvas::DrawText(Rect& rect, std::string_view utf8, DrawTextFlags flags) {
  const FontMetrics m = state_.font.Metrics();
  const std::u32string text = DecodeUtf8(utf8);
  // One call measures every character (and the ellipsis dot) under the cache's lock.
  std::u32string distinct(text);
  distinct.push_back(U'.');
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  const std::vector<int32_t> advances = FontCache::Instance().Advances(state_.font, distinct);
  std::unordered_map<char32_t, int32_t> width_of;
  for (size_t i = 0; i < distinct.size(); ++i) width_of.emplace(distinct[i], advances[i]);
  const std::function<int32_t(char32_t)> advance = [&](char32_t c) {
    auto it = width_of.find(c);
    return it == width_of.end() ? 0 : it->second;
  };

  const std::vector<TextLine> lines =
      LayoutText(text, flags, rect.Width(), 8 * std::max(1, m.average_char_width), advance);
  int32_t widest = 0;
  for (const TextLine& line : lines) widest = std::max(widest, line.Width());
  const int32_t total = static_cast<int32_t>(std::min<int64_t>(int64_t{m.height} * static_cast<int64_t>(lines.size()),
                                                               int64_t{1} << 29));
  if (flags & kDtCalcRect) {
    rect.right = rect.left + widest;
    rect.bottom = rect.top + total;
    return total;
  }

  int32_t y = rect.top;
  if (flags & kDtSingleLine) {
    if (flags & kDtVCenter) y = rect.top + (rect.Height() - m.height) / 2;
    else if (flags & kDtBottom) y = rect.bottom - m.height;
  }
  const Rect limit = (flags & kDtNoClip) ? target_.Bounds() : CanvasPainter::ToBitmap(*this, rect);
  const Rect visible = limit.Intersect(ClipBounds().Offset(state_.origin.x, state_.origin.y));
  for (const TextLine& line : lines) {
    int32_t x = rect.left;
    if (flags & kDtCenter) x = rect.left + (rect.Width() - line.Width()) / 2;
    else if (flags & kDtRight) x = rect.right - line.Width();
    const Point ref = CanvasPainter::ToBitmap(*this, Point{x, y});
    // Lines wholly outside what can be seen are skipped.
    if (!visible.IsEmpty() && ref.y - 2 * m.height < visible.bottom && ref.y + 2 * m.height > visible.top)
      DrawLine(*this, line, ref, 0, limit);
    y += m.height;
  }
  return total;
}

}  // namespace gfx
