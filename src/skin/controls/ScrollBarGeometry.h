// The parts of a scroll bar (buttons, track, thumb) and the position a thumb drag stands for.
#pragma once

#include <cstdint>

#include "gfx/Geometry.h"

namespace skin {

// The range a bar shows: Position runs from Min to Max, or to Max - PageSize + 1 with a page.
struct ScrollRange {
  int32_t min = 0;
  int32_t max = 100;
  int32_t page = 0;  // 0: no page
  int32_t position = 0;
};

// Position clamped to [min, max - page + 1] with a page, else to [min, max]; the minimum is applied
// first, so bounds set inside out still give a defined position (the upper one). A page larger than
// an upright range keeps the position at the minimum rather than below it.
int32_t ClampScrollPosition(const ScrollRange& range, int64_t position);

// Where the thumb sits along the track. All lengths are along the bar's axis.
struct ScrollThumb {
  int32_t start = 0;   // where the thumb's centre can go: from start ...
  int32_t end = 0;     // ... to end
  int32_t offset = 0;  // the thumb's distance from the track's start
  int32_t length = 0;  // the thumb's length
};

// The thumb on a track of `track_length` pixels starting at `track_start`. `min_length` is the
// thumb's length without a page (16 in the plain look, the image's length with a skin) and its
// least length with one. `even_length` makes a paged thumb 2 x (L div 2) long as the plain look
// draws it. The thumb never gets longer than the track or leaves it.
ScrollThumb CalcScrollThumb(int32_t track_start, int32_t track_length, int32_t min_length, const ScrollRange& range,
                            bool vertical, bool even_length);

// The position a thumb offset of `d` pixels from the track's start stands for (before clamping).
int64_t ScrollPositionFromOffset(int32_t d, const ScrollThumb& thumb, const ScrollRange& range);

// The three parts of a bar and its track, in control coordinates.
struct ScrollParts {
  gfx::Rect dec;  // left or top button: moves the position down
  gfx::Rect inc;  // right or bottom button: moves it up
  gfx::Rect track;
  gfx::Rect thumb;
  ScrollThumb along;
};

// The plain look's parts for a width x height bar (width already reduced by the marker of a bar
// that shares its corner with a vertical one): 16-pixel buttons inside a 1-pixel margin.
ScrollParts CalcPlainScrollParts(int32_t width, int32_t height, const ScrollRange& range, bool vertical);

// The thumb rectangle across a track: the whole breadth of the track for breadth <= 0, otherwise
// `breadth` pixels centred on it.
gfx::Rect ScrollThumbRect(const gfx::Rect& track, const ScrollThumb& thumb, int32_t breadth, bool vertical);

}  // namespace skin
