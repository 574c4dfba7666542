// Ellipsis fitting and caption placing.
#include "skin/render/SkinText.h"

#include <vector>

#include "gfx/Canvas.h"
#include "gfx/TextUtf8.h"

namespace skin {

std::string FitTextWithEllipsis(const gfx::Canvas& canvas, std::string_view text, int32_t width) {
  const gfx::Font& font = canvas.Font();
  // Advances add up, so the width of a start of the text plus "..." is the start's caret position
  // plus the width of "...": one measuring pass instead of one per dropped character.
  const std::vector<int32_t> carets = font.CaretPositions(text);
  if (carets.back() <= width) return std::string(text);
  const int32_t ellipsis = font.TextWidth("...");
  // Byte offset of each character boundary, decoded the way the font counts characters.
  std::vector<size_t> bounds = {0};
  for (size_t pos = 0; pos < text.size();) {
    gfx::DecodeUtf8At(text, pos);
    bounds.push_back(pos);
  }
  size_t keep = bounds.size() >= 2 ? bounds.size() - 2 : 0;
  while (keep > 0 && carets[keep] + ellipsis > width) --keep;
  return std::string(text.substr(0, bounds[keep])) + "...";
}

void DrawTextVCentered(gfx::Canvas& canvas, const gfx::Rect& r, std::string_view text) {
  gfx::Rect box = r;
  canvas.DrawText(box, text, gfx::kDtSingleLine | gfx::kDtVCenter);
}

void DrawClippedText(gfx::Canvas& canvas, const gfx::Rect& r, std::string_view text, int32_t offset) {
  const int32_t y = r.top + r.Height() / 2 - canvas.TextHeight(text) / 2;
  canvas.TextRect(r, r.left + offset + 2, y, text);
}

}  // namespace skin
