// The EXIF orientation of a JPEG file: reading it from an APP1 segment and applying it to pixels.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace gfx {

// Reads the orientation tag (1..8) from the payload of an APP1 segment ("Exif\0\0" and a TIFF
// structure). Returns 1 (as stored) when the segment is not EXIF, holds no valid tag or is damaged;
// never reads outside the payload.
int ExifOrientation(const uint8_t* payload, size_t size);

// Turns a 24-bit picture stored with the given orientation into the picture as it is meant to be
// seen: 2 mirrors, 3 turns by 180 degrees, 4 flips, 5 transposes, 6 turns clockwise, 7 transposes
// across the other diagonal, 8 turns anticlockwise. Values outside 2..8 return the picture as is.
Bitmap ApplyOrientation(Bitmap picture, int orientation);
// Where the content of a picture of `size` whose content covers `extent` (as stored) lies once
// ApplyOrientation has turned it: the sides swap for the quarter turns, and an edge that mirrors
// to the other side takes its partial column or row with it.
PictureExtent OrientExtent(PictureExtent extent, Size size, int orientation);

}  // namespace gfx
