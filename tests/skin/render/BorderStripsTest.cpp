// Frame and mask border strips against the per-pixel reference, and the sizes a frame gets.
#include "skin/render/BorderStrips.h"

#include <gtest/gtest.h>

#include "RenderReference.h"

namespace skin {
namespace {

using gfx::Bitmap;
using gfx::Rect;

// A 216 x 167 frame picture with a 30-row caption, 4-pixel sides and a 4-row bottom.
SkinSource FrameSource() { return {{0, 0, 216, 167}, {40, 40}, {176, 40}, {40, 140}, {176, 140}, {4, 30, 212, 163}}; }

TEST(BorderStripsTest, FrameStripsTakeTheFrameSizes) {
  std::mt19937 rng(3);
  const Bitmap pic = ref::RandomPicture(rng, 216, 167);
  BorderStrips strips;
  BuildFrameBorders(strips, pic, FrameSource(), UsualTarget(FrameSource(), 689, 503), {});
  EXPECT_EQ(strips.top.GetSize(), (gfx::Size{689, 30}));
  EXPECT_EQ(strips.bottom.GetSize(), (gfx::Size{689, 4}));
  EXPECT_EQ(strips.left.GetSize(), (gfx::Size{4, 469}));
  EXPECT_EQ(strips.right.GetSize(), (gfx::Size{4, 469}));
  // The bottom-right corner comes from the picture's last columns.
  EXPECT_EQ(strips.bottom.Pixel(688, 3), pic.Pixel(215, 166));
  // The top middle tiles from x = 0 under the left corner, so it reappears at 136 + 136 = 272.
  EXPECT_EQ(strips.top.Pixel(272 + 5, 10), pic.Pixel(40 + 5, 10));
}

TEST(BorderStripsTest, StripsNotMadeKeepWhatTheyHad) {
  std::mt19937 rng(4);
  const Bitmap pic = ref::RandomPicture(rng, 216, 167);
  SkinSource src = FrameSource();
  src.rt.x = src.lt.x;  // no top edge piece
  BorderStrips strips;
  strips.top = Bitmap(3, 3, 24);
  BuildFrameBorders(strips, pic, src, UsualTarget(src, 300, 200), {});
  EXPECT_EQ(strips.top.GetSize(), (gfx::Size{3, 3}));
}

TEST(BorderStripsTest, BuildersMatchThePerPixelReference) {
  std::mt19937 rng(42);
  for (int iteration = 0; iteration < 3000; ++iteration) {
    const int32_t sw = ref::Uniform(rng, 1, 20), sh = ref::Uniform(rng, 1, 20);
    const int32_t ox = ref::Uniform(rng, 0, 2), oy = ref::Uniform(rng, 0, 2);
    const Bitmap pic = ref::RandomPicture(rng, sw + ox, sh + oy);
    const SkinSource src = ref::RandomSource(rng, Rect::FromSize(ox, oy, sw, sh));
    const SkinTarget t = ref::RandomTarget(rng, src, ref::Uniform(rng, 0, 45), ref::Uniform(rng, 0, 45));
    const EdgeStretch st{rng() % 2 == 0, rng() % 2 == 0, rng() % 2 == 0, rng() % 2 == 0};
    SCOPED_TRACE(ref::Describe(src, t));
    BorderStrips got, want;
    BuildFrameBorders(got, pic, src, t, st);
    ref::FrameBorders(want, pic, src, t, st);
    ASSERT_EQ(got.top, want.top);
    ASSERT_EQ(got.bottom, want.bottom);
    ASSERT_EQ(got.left, want.left);
    ASSERT_EQ(got.right, want.right);

    // The mask is used whole: its inner rectangle plays the client's part.
    const Bitmap mask = ref::RandomPicture(rng, sw, sh);
    const MaskSource m{src.lt, src.rt, src.lb, src.rb, src.client};
    BorderStrips mg, mw;
    BuildMaskBorders(mg, mask, m, t);
    ref::MaskBorders(mw, mask, m, t);
    ASSERT_EQ(mg.top, mw.top);
    ASSERT_EQ(mg.bottom, mw.bottom);
    ASSERT_EQ(mg.left, mw.left);
    ASSERT_EQ(mg.right, mw.right);
  }
}

}  // namespace
}  // namespace skin
