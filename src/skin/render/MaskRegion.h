// Window shapes from mask pictures: pure black pixels are inside, each row's runs one rectangle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "skin/render/SkinGeometry.h"

namespace skin {

// The inside of a mask as rectangles: every maximal run of black (0, 0, 0) pixels of a row is one
// rectangle one pixel high, listed row by row from the top and left to right within a row. Runs of
// neighbouring rows are never merged. Any other colour, however dark, is outside.
struct MaskRegionData {
  gfx::Rect bounds;              // the mask's area at its offset
  std::vector<gfx::Rect> rects;  // the runs at the offset

  // The size of the block ToBytes gives: a 32-byte header and 16 bytes per rectangle.
  size_t ByteSize() const { return 32 + 16 * rects.size(); }
  // The block in the classic region-data layout, little-endian 32-bit values: header size 32,
  // type 1 (rectangles), count, size hint 0, the bounds, then each rectangle's left, top, right,
  // bottom.
  std::vector<uint8_t> ToBytes() const;
  gfx::Region ToRegion() const;
};

// The runs of `mask` shifted by (ox, oy); no data for an empty mask. The run list grows as far as
// the mask needs, so no mask is ever cut short.
std::optional<MaskRegionData> RegionDataFromMask(const gfx::Bitmap& mask, int32_t ox, int32_t oy);

// The inside of `mask` at (0, 0); no region for an empty mask.
std::optional<gfx::Region> RegionFromMask(const gfx::Bitmap& mask);

// The shape of a dst.width x dst.height window: dst.client whole, plus the black pixels of the
// four mask border strips (BuildMaskBorders) placed around it. No region (the window keeps its
// rectangle) when the mask is empty, the target's corner points are inverted (rt.x < lt.x or
// lb.y < lt.y) or dst.client is empty.
std::optional<gfx::Region> RegionForSize(const gfx::Bitmap& mask, const MaskSource& src, const SkinTarget& dst);

// Appends the runs of a 24-bit mask shifted by (ox, oy) to `runs` (for callers that gather the
// runs of several pictures into one region).
void AppendMaskRuns(std::vector<gfx::Rect>& runs, const gfx::Bitmap& mask24, int32_t ox, int32_t oy);

}  // namespace skin
