// Text helpers of the skinned controls: ellipsis fitting and the two ways captions are placed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gfx/Geometry.h"

namespace gfx {
class Canvas;
}

namespace skin {

// The text unchanged when it is at most `width` pixels wide in the canvas's font; otherwise the
// longest start of it (whole characters, at least one dropped) that still fits with "..." after it,
// followed by "...", or "..." alone when nothing fits.
std::string FitTextWithEllipsis(const gfx::Canvas& canvas, std::string_view text, int32_t width);

// One line vertically centred in r, left-aligned.
void DrawTextVCentered(gfx::Canvas& canvas, const gfx::Rect& r, std::string_view text);

// The text clipped to r, starting at x = r.left + offset + 2 with its line centred on r's middle
// row (y = r.top + height div 2 - text height div 2).
void DrawClippedText(gfx::Canvas& canvas, const gfx::Rect& r, std::string_view text, int32_t offset = 0);

}  // namespace skin
