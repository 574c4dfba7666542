// The process-wide cache of resolved fonts and rendered glyphs behind Font and Canvas.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Font.h"

namespace gfx {

// One rendered character: 8-bit coverage rows plus its placement relative to the pen position on
// the baseline. Immutable once made, shared by the cache and the text being drawn.
struct GlyphImage {
  int32_t left = 0;    // columns from the pen position to the first coverage column
  int32_t top = 0;     // rows from the first coverage row up to the baseline
  int32_t width = 0;
  int32_t height = 0;
  int32_t advance = 0;
  std::vector<uint8_t> coverage;  // width * height, 0 = none, 255 = full
};

// Holds the FreeType library, the faces fontconfig chose and their glyphs. Every call locks one
// mutex, so fonts may be measured from any thread; the glyph images handed out stay valid however
// the cache changes afterwards.
class FontCache {
 public:
  static FontCache& Instance();

  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  FontMetrics Metrics(const Font& font);
  // Advance of each code point (control characters have none).
  std::vector<int32_t> Advances(const Font& font, std::u32string_view text);
  // Glyph of each code point; a character with nothing to draw gets an image without coverage.
  std::vector<std::shared_ptr<const GlyphImage>> Glyphs(const Font& font, std::u32string_view text);
  std::string ResolvedFamily(const Font& font);
  bool HasGlyph(const Font& font, char32_t code_point);

 private:
  FontCache();
  ~FontCache();

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace gfx
