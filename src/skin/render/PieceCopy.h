// The one copy every skin builder uses: a piece of a picture copied, stretched or repeated onto a rectangle.
#pragma once

#include <cstdint>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace skin {

// How a piece fills its destination along one axis.
enum class Fit : uint8_t {
  // Unscaled when the lengths match; otherwise nearest neighbour, unsmoothed: destination pixel i
  // takes source pixel floor(i * piece length / destination length).
  kScale,
  // The piece repeated unscaled side by side from the destination's start, the last copy cut back
  // so that it ends at the destination's end.
  kRepeat,
};

// Copies `piece` of `pic` onto `dst_rect` of `dst` (two distinct 24-bit pictures). Rectangles with
// no area copy nothing, and pixels outside either picture are left alone, so a piece that reaches
// past its picture or a destination past its bitmap is simply clipped.
void CopyPiece(gfx::Bitmap& dst, const gfx::Rect& dst_rect, const gfx::Bitmap& pic, const gfx::Rect& piece,
               Fit fit_x = Fit::kScale, Fit fit_y = Fit::kScale);

// Makes `target` a black width x height 24-bit picture, reusing its memory when it already has that
// size. A negative size counts as 0.
void ResetTarget(gfx::Bitmap& target, int32_t width, int32_t height);

// The picture itself when it is 24-bit, otherwise a 24-bit copy kept in `scratch`.
const gfx::Bitmap& As24(const gfx::Bitmap& pic, gfx::Bitmap& scratch);

}  // namespace skin
