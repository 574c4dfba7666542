// A font request (family, pixel height, style, colour, direction) and its metrics and text measures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gfx/Color.h"
#include "gfx/Geometry.h"

namespace gfx {

// Style flags; combine with |.
enum FontStyle : uint8_t {
  kFontRegular = 0,
  kFontBold = 1,
  kFontItalic = 2,
  kFontUnderline = 4,
  kFontStrikeOut = 8,
};
constexpr FontStyle operator|(FontStyle a, FontStyle b) {
  return static_cast<FontStyle>(static_cast<uint8_t>(a) | static_cast<uint8_t>(b));
}
constexpr FontStyle operator&(FontStyle a, FontStyle b) {
  return static_cast<FontStyle>(static_cast<uint8_t>(a) & static_cast<uint8_t>(b));
}

// Whole-pixel metrics of a resolved font. height == ascent + descent is the height of one text
// line (the cell); internal_leading is the part of the cell above the em square, where accents sit.
struct FontMetrics {
  int32_t ascent = 0;            // baseline to the top of the cell
  int32_t descent = 0;           // baseline to the bottom of the cell
  int32_t height = 0;            // ascent + descent: the line height used by every text routine
  int32_t internal_leading = 0;  // height - em size in pixels
  int32_t pixel_size = 0;        // the em size the glyphs are rendered at
  int32_t average_char_width = 0;
  int32_t underline_position = 0;   // rows below the baseline of the underline's top row
  int32_t underline_thickness = 1;
  int32_t strikeout_position = 0;   // rows above the baseline of the strike-out's top row
  friend bool operator==(const FontMetrics&, const FontMetrics&) = default;
};

// A value describing the wanted font, like the classic toolkit's font object. Faces are found with
// fontconfig and kept in a process-wide cache, so copying a Font is cheap and any thread may measure.
//
// Height follows the classic convention:
//   height > 0: the cell height (ascent + descent) in pixels. The em size is the largest whole pixel
//               size whose rounded ascent plus rounded descent (from the face's OS/2 Windows
//               metrics) fits in the height, so "Arial" 14 is Liberation Sans at 12 pixels per em
//               with ascent 11 and descent 3, as the classic rasteriser gives it. When the
//               rounding leaves the cell a row short, the descent takes the row, so the line
//               height is always the requested height;
//   height < 0: -height is the em size in pixels (the cell is then taller);
//   height == 0: the default, treated as 14.
// Em sizes are limited to 512 pixels, so a hostile height cannot exhaust memory.
// Characters the chosen face lacks (Chinese above all) are drawn from a CJK face and then from any
// face fontconfig knows to have them; line metrics always come from the chosen face.
class Font {
 public:
  static constexpr int32_t kDefaultHeight = 14;

  Font() = default;  // "Arial", height 14, regular, black
  explicit Font(std::string family, int32_t height = kDefaultHeight, FontStyle style = kFontRegular,
                gfx::Color color = kBlack);

  const std::string& Family() const { return family_; }
  void SetFamily(std::string family) { family_ = std::move(family); }
  int32_t Height() const { return height_; }
  void SetHeight(int32_t height) { height_ = height; }
  FontStyle Style() const { return style_; }
  void SetStyle(FontStyle style) { style_ = style; }
  bool IsBold() const { return (style_ & kFontBold) != 0; }
  bool IsItalic() const { return (style_ & kFontItalic) != 0; }
  bool IsUnderline() const { return (style_ & kFontUnderline) != 0; }
  bool IsStrikeOut() const { return (style_ & kFontStrikeOut) != 0; }
  gfx::Color Color() const { return color_; }
  void SetColor(gfx::Color color) { color_ = color; }
  // Direction of TextOut in tenths of a degree counter-clockwise: 0, 900 (reading upwards), 1800 or
  // 2700 (reading downwards); other values are rounded to the nearest of these.
  int32_t Escapement() const { return escapement_; }
  void SetEscapement(int32_t tenths) { escapement_ = tenths; }

  // Metrics of the face this request resolves to.
  FontMetrics Metrics() const;
  // Sum of the advances of the characters of the UTF-8 text (no kerning, no prefix or tab
  // processing; control characters have no width). Invalid UTF-8 bytes count as U+FFFD.
  int32_t TextWidth(std::string_view utf8) const;
  // Metrics().height, the same for every text.
  int32_t TextHeight() const;
  Size TextExtent(std::string_view utf8) const;
  // The x position of every character boundary: n + 1 values for a text of n code points, the
  // first 0 and the last TextWidth(utf8). For carets and hit tests in edits.
  std::vector<int32_t> CaretPositions(std::string_view utf8) const;
  // Advance of one code point.
  int32_t CharWidth(char32_t code_point) const;
  // The family name of the face the request resolved to (for diagnostics and tests).
  std::string ResolvedFamily() const;
  // True when the resolved font (including its fallbacks) has a glyph for the code point.
  bool HasGlyph(char32_t code_point) const;

  // Same family, height, style, colour and escapement.
  friend bool operator==(const Font&, const Font&) = default;

 private:
  std::string family_ = "Arial";
  int32_t height_ = kDefaultHeight;
  FontStyle style_ = kFontRegular;
  gfx::Color color_ = kBlack;
  int32_t escapement_ = 0;
};

}  // namespace gfx
