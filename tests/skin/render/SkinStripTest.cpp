// One-axis strips: a worked button strip and every strip builder against the per-pixel reference.
#include "skin/render/SkinStrip.h"

#include <gtest/gtest.h>

#include "RenderReference.h"

namespace skin {
namespace {

using gfx::Bitmap;
using gfx::Rect;

TEST(SkinStripTest, ButtonStripKeepsItsEndsAndTilesTheMiddle) {
  // A 60 x 20 strip at (0, 20) of its picture with ends of 10 and 8 columns, built 75 wide: the
  // middle (42 columns) tiles once whole and once cut to 15 columns.
  std::mt19937 rng(7);
  const Bitmap pic = ref::RandomPicture(rng, 60, 40);
  const Rect s{0, 20, 60, 40};
  Bitmap out;
  BuildHorzStrip(out, 10, 8, 75, s, pic);
  ASSERT_EQ(out.GetSize(), (gfx::Size{75, 20}));
  struct Case {
    int32_t x, source_x;
  } cases[] = {{0, 0}, {9, 9}, {10, 10}, {51, 51}, {52, 10}, {66, 24}, {67, 52}, {74, 59}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    for (int32_t y : {0, 19}) EXPECT_EQ(out.Pixel(c.x, y), pic.Pixel(c.source_x, 20 + y));
  }
}

TEST(SkinStripTest, BuildersMatchThePerPixelReference) {
  std::mt19937 rng(99);
  for (int iteration = 0; iteration < 3000; ++iteration) {
    const int32_t sw = ref::Uniform(rng, 1, 16), sh = ref::Uniform(rng, 1, 16);
    const int32_t ox = ref::Uniform(rng, 0, 2), oy = ref::Uniform(rng, 0, 2);
    const int32_t pw = ref::Uniform(rng, 0, 9) == 0 ? ref::Uniform(rng, 1, sw + ox) : sw + ox;
    const Bitmap pic = ref::RandomPicture(rng, pw, sh + oy);
    const Rect s = Rect::FromSize(ox, oy, sw, sh);
    // Ends from none to longer than the strip, lengths from nothing to a few times the source.
    const int32_t a = ref::Uniform(rng, -1, sw + 1), b = ref::Uniform(rng, -1, sw + 1);
    const int32_t len = ref::Uniform(rng, -2, 50);
    SCOPED_TRACE(testing::Message() << "S=" << ref::Describe(s) << " ends " << a << "," << b << " length " << len);
    Bitmap out;
    BuildHorzStrip(out, a, b, len, s, pic);
    ASSERT_EQ(out, ref::HorzStrip(ref::StripKind::kStrip, a, b, len, s, pic));
    BuildHorzStripLeft(out, a, b, len, s, pic);
    ASSERT_EQ(out, ref::HorzStrip(ref::StripKind::kStripLeft, a, b, len, s, pic));
    BuildHorzTile(out, a, b, len, s, pic);
    ASSERT_EQ(out, ref::HorzStrip(ref::StripKind::kTile, a, b, len, s, pic));
    const int32_t c = ref::Uniform(rng, -1, sh + 1), d = ref::Uniform(rng, -1, sh + 1);
    BuildVertStrip(out, c, d, len, s, pic);
    ASSERT_EQ(out, ref::VertStrip(c, d, len, s, pic));
  }
}

}  // namespace
}  // namespace skin
