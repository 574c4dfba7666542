// Font requests: metrics and text measures through the process-wide font cache.
#include "gfx/Font.h"

#include "gfx/FontCache.h"
#include "gfx/TextUtf8.h"

namespace gfx {

Font::Font(std::string family, int32_t height, FontStyle style, gfx::Color color)
    : family_(std::move(family)), height_(height), style_(style), color_(color) {}

FontMetrics Font::Metrics() const { return FontCache::Instance().Metrics(*this); }

int32_t Font::TextWidth(std::string_view utf8) const {
  int32_t width = 0;
  for (int32_t a : FontCache::Instance().Advances(*this, DecodeUtf8(utf8))) width += a;
  return width;
}

int32_t Font::TextHeight() const { return Metrics().height; }

Size Font::TextExtent(std::string_view utf8) const { return {TextWidth(utf8), TextHeight()}; }

std::vector<int32_t> Font::CaretPositions(std::string_view utf8) const {
  std::vector<int32_t> out{0};
  for (int32_t a : FontCache::Instance().Advances(*this, DecodeUtf8(utf8))) out.push_back(out.back() + a);
  return out;
}

int32_t Font::CharWidth(char32_t code_point) const {
  return FontCache::Instance().Advances(*this, std::u32string_view(&code_point, 1)).front();
}

std::string Font::ResolvedFamily() const { return FontCache::Instance().ResolvedFamily(*this); }

bool Font::HasGlyph(char32_t code_point) const { return FontCache::Instance().HasGlyph(*this, code_point); }

}  // namespace gfx
