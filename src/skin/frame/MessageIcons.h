// MessageIcons: the four 32 x 32 message box icons, drawn by the program rather than taken from a system.
#pragma once

#include <cstdint>

namespace gfx {
class Canvas;
}

namespace skin {

enum class MessageIcon { kWarning, kError, kInformation, kQuestion };

constexpr int32_t kMessageIconSize = 32;

// Draws the icon with its top-left corner at (x, y), blended with anti-aliased edges over what the
// canvas shows there (the icon has no background of its own):
// - warning: a yellow triangle with a dark edge and a black exclamation mark;
// - error: a red disc with a darker rim and a white cross;
// - information: a blue disc with a white "i";
// - question: a blue disc with a white question mark.
void DrawMessageIcon(gfx::Canvas& canvas, int32_t x, int32_t y, MessageIcon icon);

}  // namespace skin
