// The look of skinned controls without a skin record: system colours and two highlight fills.
#pragma once

#include <cstdint>

#include "gfx/Color.h"
#include "gfx/Geometry.h"

namespace gfx {
class Canvas;
}

namespace skin {

// A control part under the mouse is filled with kPlainHotFill, a pressed one with
// kPlainPressedFill; both are framed by a 1-pixel kPlainFrame line.
constexpr gfx::Color kPlainHotFill = gfx::Rgb(182, 189, 210);
constexpr gfx::Color kPlainPressedFill = gfx::Rgb(133, 147, 181);
constexpr gfx::Color kPlainFrame = gfx::Rgb(0, 0, 128);

enum class PlainState { kNormal, kHot, kPressed };

// The border of panels and labels without a record.
enum class SkinBorderStyle : uint8_t { bvNone, bvFrame, bvRaised, bvLowered };

// The 1-pixel border just inside r: bvFrame in the button shadow, bvRaised light at the top and
// left and shadowed at the bottom and right, bvLowered the reverse, bvNone nothing.
void DrawPlainBorder(gfx::Canvas& canvas, const gfx::Rect& r, SkinBorderStyle style);

// kNormal fills r with the button face; kHot and kPressed fill it with their colour inside the
// navy frame.
void DrawPlainHighlight(gfx::Canvas& canvas, const gfx::Rect& r, PlainState state);

// The button face over r with a 1-pixel button-shadow frame: the resting look of plain parts.
void DrawPlainFramedFace(gfx::Canvas& canvas, const gfx::Rect& r);

// Text drawn as a disabled control shows it: 1 pixel right and down in the button highlight,
// then in place in the button shadow. The canvas font's colour is left as it was.
void DrawDisabledText(gfx::Canvas& canvas, int x, int y, const gfx::Rect& clip, const char* utf8);

}  // namespace skin
