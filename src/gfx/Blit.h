// Block copies between 24-bit pictures: exact copies and nearest-neighbour stretches.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace gfx {

// Copies src_rect of src to dst at `at`; both pictures 24-bit. The copy is clipped to both pictures.
void CopyRect(Bitmap& dst, Point at, const Bitmap& src, const Rect& src_rect);

// Stretches src_rect of src onto dst_rect of dst by nearest neighbour, unsmoothed: destination
// pixel i of a span takes source pixel floor(i * src_span / dst_span). Both pictures 24-bit;
// clipped to dst. An empty source or destination rectangle copies nothing.
void StretchCopy(Bitmap& dst, const Rect& dst_rect, const Bitmap& src, const Rect& src_rect);

}  // namespace gfx
