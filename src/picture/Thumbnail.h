// The before/after thumbnails of the colour dialog.
#pragma once

#include "gfx/Bitmap.h"

namespace picture {

// A 24-bit thumbnail of at most 180 pixels on the longer side: a picture within 180 x 180 is kept
// as it is; a taller one becomes 180 high and 180 * w div h wide; a wider one 180 wide and
// 180 * h div w high; a side that comes to 0 gets 1 pixel. An empty picture gives an empty
// thumbnail.
gfx::Bitmap MakeThumbnail(const gfx::Bitmap& picture);

}  // namespace picture
