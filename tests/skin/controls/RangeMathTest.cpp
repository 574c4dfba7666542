// Rounding, clamping and ratios of the range controls, inside-out and extreme bounds included.
#include "skin/controls/RangeMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace skin {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(RangeMathTest, RoundsHalvesToEven) {
  const struct {
    double v;
    int64_t rounded;
  } cases[] = {{12.5, 12}, {13.5, 14}, {0.5, 0}, {-0.5, 0}, {-1.5, -2}, {72.22, 72}, {27.0, 27}, {26.64, 27}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.v), c.rounded) << c.v;
}

TEST(RangeMathTest, ClampAppliesTheMinimumFirst) {
  const struct {
    int64_t v;
    int32_t lo, hi, clamped;
  } cases[] = {
      {5, 0, 10, 5},     {-1, 0, 10, 0},     {11, 0, 10, 10},
      {5, 10, 0, 0},     {-100, 10, 0, 0},   {100, 10, 0, 0},  // inside out: always the maximum
      {int64_t{kMax} + 5, kMin, kMax, kMax}, {int64_t{kMin} - 5, kMin, kMax, kMin},
  };
  for (const auto& c : cases) EXPECT_EQ(ClampMinFirst(c.v, c.lo, c.hi), c.clamped) << c.v << " " << c.lo << ".." << c.hi;
}

TEST(RangeMathTest, RatiosStayBetweenZeroAndOne) {
  const struct {
    int64_t value, lo, hi;
    double ratio;
  } cases[] = {
      {1, 0, 8, 0.125},  {75, 0, 100, 0.75}, {7, 7, 7, 0.0},  // equal bounds: no division by zero
      {5, 10, 0, 0.5},   {0, 10, 0, 1.0},    {50, 10, 0, 0.0}, {-50, 10, 0, 1.0},
      {200, 0, 100, 1.0}, {-3, 0, 100, 0.0}, {0, kMin, kMax, 0.5},
  };
  for (const auto& c : cases) EXPECT_NEAR(RangeRatio(c.value, c.lo, c.hi), c.ratio, 1e-9) << c.value;
}

TEST(RangeMathTest, ValuesAndOffsetsAtARatio) {
  EXPECT_EQ(ValueAtRatio(26.0 / 36.0, 0, 100), 72);
  EXPECT_EQ(ValueAtRatio(0.5, 0, 100), 50);
  EXPECT_EQ(ValueAtRatio(0.5, -255, 255), 0);
  EXPECT_EQ(ValueAtRatio(1.0, kMin, kMax), kMax);
  EXPECT_EQ(ValueAtRatio(0.0, kMin, kMax), kMin);
  EXPECT_EQ(ValueAtRatio(7.0, 0, 100), 100);
  EXPECT_EQ(ValueAtRatio(std::nan(""), 0, 100), 0);
  EXPECT_EQ(OffsetAtRatio(0.75, 36), 27);
  EXPECT_EQ(OffsetAtRatio(0.125, 100), 12);
  EXPECT_EQ(OffsetAtRatio(1.0, -8), 0);
  EXPECT_EQ(OffsetAtRatio(-1.0, 36), 0);
}

}  // namespace
}  // namespace skin
