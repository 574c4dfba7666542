// Arithmetic shared by the range controls: rounding, clamping and ratios that stay defined for any bounds.
#include "skin/controls/RangeMath.h"

#include <cfenv>
#include <cmath>

namespace skin {

namespace {

double Unit(double q) {
  if (!(q > 0)) return 0;  // NaN too
  return q > 1 ? 1 : q;
}

}  // namespace

int64_t RoundHalfEven(double v) {
  // nearbyint follows the rounding mode, which is to-nearest-even unless someone changed it.
  const int saved = std::fegetround();
  if (saved != FE_TONEAREST) std::fesetround(FE_TONEAREST);
  const double r = std::nearbyint(v);
  if (saved != FE_TONEAREST) std::fesetround(saved);
  return static_cast<int64_t>(r);
}

int32_t ClampMinFirst(int64_t v, int32_t lo, int32_t hi) {
  if (v < lo) v = lo;
  if (v > hi) v = hi;
  return static_cast<int32_t>(v);
}

double RangeRatio(int64_t value, int64_t lo, int64_t hi) {
  if (hi == lo) return 0;
  return Unit(static_cast<double>(value - lo) / static_cast<double>(hi - lo));
}

int32_t ValueAtRatio(double q, int32_t lo, int32_t hi) {
  const double span = static_cast<double>(static_cast<int64_t>(hi) - lo);
  return static_cast<int32_t>(lo + RoundHalfEven(span * Unit(q)));
}

int32_t OffsetAtRatio(double q, int32_t span) {
  if (span <= 0) return 0;
  return static_cast<int32_t>(RoundHalfEven(span * Unit(q)));
}

gfx::Rect HeldRecordRect(const gfx::Rect& r) {
  constexpr int32_t kLimit = 1 << 20;
  auto held = [](int32_t v) { return v < -kLimit ? -kLimit : v > kLimit ? kLimit : v; };
  return {held(r.left), held(r.top), held(r.right), held(r.bottom)};
}

}  // namespace skin
