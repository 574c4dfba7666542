// One-axis skin strips: fixed ends and a tiled middle, along x or along y.
#pragma once

#include <cstdint>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace skin {

// Each builder makes `target` (another bitmap than `pic`) black and sized, then copies from
// `source` (a rectangle of `pic`).
// The middle piece lies between the two ends; when its length is 0 or less nothing is tiled.

// width x source height: the left end (`left` columns), the right end (`right` columns) against the
// target's right side, and the middle tiled between them, the last tile cut at width - right.
void BuildHorzStrip(gfx::Bitmap& target, int32_t left, int32_t right, int32_t width, const gfx::Rect& source,
                    const gfx::Bitmap& pic);
// As BuildHorzStrip without the right end: the middle runs on to the target's right side.
void BuildHorzStripLeft(gfx::Bitmap& target, int32_t left, int32_t right, int32_t width,
                        const gfx::Rect& source, const gfx::Bitmap& pic);
// Only the middle, tiled from x = 0.
void BuildHorzTile(gfx::Bitmap& target, int32_t left, int32_t right, int32_t width, const gfx::Rect& source,
                   const gfx::Bitmap& pic);
// source width x height: BuildHorzStrip turned by a quarter (top end, tiled middle, bottom end).
void BuildVertStrip(gfx::Bitmap& target, int32_t top, int32_t bottom, int32_t height, const gfx::Rect& source,
                    const gfx::Bitmap& pic);

}  // namespace skin
