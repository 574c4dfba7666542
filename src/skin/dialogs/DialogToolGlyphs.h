// The picture dialog's tool-bar glyphs: back, up, new folder, view style and stretch.
#pragma once

#include "gfx/Bitmap.h"

namespace skin {

enum class DialogToolGlyph { kBack, kUp, kNewFolder, kViewStyle, kStretch };

// A 16 x 16 glyph on the transparent colour of its bottom-left pixel, as the speed buttons take it.
gfx::Bitmap MakeDialogToolGlyph(DialogToolGlyph glyph);

}  // namespace skin
