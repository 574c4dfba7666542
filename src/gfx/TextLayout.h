// Line layout for formatted text: prefix marks, line breaks, word wrapping, tabs and end ellipsis.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Canvas.h"

namespace gfx {

// One line as it is drawn.
struct TextLine {
  std::u32string text;              // the characters drawn, prefix marks removed
  std::vector<int32_t> x;           // left edge of each character; x.back() is the line's width
  std::vector<uint8_t> underlined;  // 1 where a "&" prefix marks the character
  int32_t Width() const { return x.empty() ? 0 : x.back(); }
};

// Lays text out the way Canvas::DrawText draws it. The flags that matter here are kDtWordBreak,
// kDtSingleLine, kDtExpandTabs, kDtNoPrefix and kDtEndEllipsis. max_width is the width available to
// wrapping and the ellipsis; tab_width the distance between tab stops; advance gives a character's
// width (tabs and line breaks are handled here and never asked for). Text always yields at least one
// line, which may be empty.
std::vector<TextLine> LayoutText(std::u32string_view text, DrawTextFlags flags, int32_t max_width,
                                 int32_t tab_width, const std::function<int32_t(char32_t)>& advance);

}  // namespace gfx
