// Where a track bar's thumb sits for a value, and which value a thumb offset stands for.
#pragma once

#include <cstdint>

#include "gfx/Geometry.h"

namespace skin {

// The thumb of a track bar drawn in a track rectangle.
//
//   horizontal:  track.left   start            end   track.right
//                    |<-tw/2->|<---- length ---->|<-tw/2->|
//                             ^ thumb centre at start + offset
//   vertical: the same along y, the minimum at the bottom (start is near track.top, the thumb
//   centre sits at end - offset).
struct TrackThumb {
  int32_t start = 0;   // where the thumb's centre is at the minimum
  int32_t end = 0;     // and at the maximum
  int32_t offset = 0;  // the centre's distance from the start for the present value
  gfx::Rect bounds;    // the thumb rectangle
};

// The thumb of size `thumb` for ratio q (held to 0..1) on `track`. A track shorter than the thumb
// has no length to move along: the thumb stays where the minimum puts it.
TrackThumb CalcTrackThumb(const gfx::Rect& track, gfx::Size thumb, double q, bool vertical);

// The ratio a thumb offset of `a` pixels from the start stands for, held to 0..1; 0 when the track
// has no length.
double TrackRatioFromOffset(int32_t a, int32_t start, int32_t end);

// The thumb size of the plain look: for a horizontal bar (height - 4) high and half that wide, for
// a vertical one (width - 4) wide and half that high; never negative.
gfx::Size PlainTrackThumbSize(int32_t width, int32_t height, bool vertical);

}  // namespace skin
