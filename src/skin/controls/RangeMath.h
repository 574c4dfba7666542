// Arithmetic shared by the range controls: rounding, clamping and ratios that stay defined for any bounds.
#pragma once

#include <cstdint>

#include "gfx/Geometry.h"

namespace skin {

// The nearest integer, halves going to the even neighbour (12.5 -> 12, 13.5 -> 14).
int64_t RoundHalfEven(double v);

// v raised to `lo` first, then lowered to `hi`. Bounds set inside out (lo > hi) still give a defined
// result: hi.
int32_t ClampMinFirst(int64_t v, int32_t lo, int32_t hi);

// (value - lo) / (hi - lo), held to 0..1; 0 when the bounds are equal.
double RangeRatio(int64_t value, int64_t lo, int64_t hi);

// lo + round(q * (hi - lo)) for q held to 0..1, computed without overflow for any pair of bounds.
int32_t ValueAtRatio(double q, int32_t lo, int32_t hi);

// round(q * span) for q held to 0..1 and span held to 0 or more: a pixel offset along a track.
int32_t OffsetAtRatio(double q, int32_t span);

// A record rectangle with every coordinate held to +-2^20: far beyond any skin, and small enough
// that sums with control sizes never overflow.
gfx::Rect HeldRecordRect(const gfx::Rect& r);

}  // namespace skin
