// Nine-part images: the worked layout, the early stop, and the builders against the per-pixel reference.
#include "skin/render/SkinImage.h"

#include <gtest/gtest.h>

#include "RenderReference.h"

namespace skin {
namespace {

using gfx::Bitmap;
using gfx::Point;
using gfx::Rect;

// Pixel (x, y) of the picture is coloured red x, green y, blue 7, so a target pixel tells which
// picture pixel it came from.
Bitmap CodedPicture(int32_t w, int32_t h) {
  Bitmap b(w, h, 24);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7));
  return b;
}

// A 60 x 20 skin rectangle at (5, 3) of a 70 x 25 picture.
SkinSource ButtonSource() {
  return {{5, 3, 65, 23}, {12, 9}, {46, 10}, {12, 15}, {46, 15}, {7, 2, 53, 18}};
}

struct LayoutCase {
  int32_t width;
  Point at;      // in the built image
  Point source;  // relative to the skin rectangle
};

TEST(SkinImageTest, TilesAndCornersLandWhereTheLayoutPutsThem) {
  const Bitmap pic = CodedPicture(70, 25);
  const SkinSource src = ButtonSource();
  const LayoutCase cases[] = {
      // 100 wide: top edge tiles at 12, 46 and 80, of widths 34, 34 and 6.
      {100, {12, 0}, {12, 0}},
      {100, {45, 1}, {45, 1}},
      {100, {46, 0}, {12, 0}},
      {100, {80, 1}, {12, 1}},
      {100, {85, 0}, {17, 0}},
      // The top-right corner's top part (46, 0, 60, 2) lands at (86, 0, 100, 2).
      {100, {86, 0}, {46, 0}},
      {100, {99, 1}, {59, 1}},
      // The right edge keeps its rows and moves with the width.
      {100, {93, 12}, {53, 12}},
      // The client (7, 2, 53, 18) tiles every 46 columns.
      {100, {7, 2}, {7, 2}},
      {100, {53, 17}, {7, 17}},
      {100, {92, 17}, {46, 17}},
      // 94 wide: the top span of 68 is two whole tiles; the third has width 0 and the corner follows.
      {94, {79, 0}, {45, 0}},
      {94, {80, 0}, {46, 0}},
      // Narrower than the source: a single tile cut to the span.
      {50, {12, 0}, {12, 0}},
      {50, {35, 1}, {35, 1}},
      {50, {36, 0}, {46, 0}},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "width " << c.width << " at " << c.at.x << "," << c.at.y);
    Bitmap out;
    BuildSkinImage(out, pic, src, UsualTarget(src, c.width, 20), true);
    ASSERT_EQ(out.GetSize(), (gfx::Size{c.width, 20}));
    EXPECT_EQ(out.Pixel(c.at.x, c.at.y), pic.Pixel(src.source.left + c.source.x, src.source.top + c.source.y));
  }
}

TEST(SkinImageTest, DegenerateSourcesAndEmptyPicturesDrawNothing) {
  const Bitmap pic = CodedPicture(70, 25);
  SkinSource same_x = ButtonSource();
  same_x.rb.x = same_x.lt.x;
  SkinSource same_y = ButtonSource();
  same_y.rb.y = same_y.lt.y;
  const Bitmap black(80, 30, 24);
  for (const SkinSource& src : {same_x, same_y}) {
    Bitmap out(5, 5, 24);
    out.Fill(gfx::kWhite);
    BuildSkinImage(out, pic, src, UsualTarget(src, 80, 30), true);
    EXPECT_EQ(out, black);
    BuildSkinImageOpenRight(out, pic, src, UsualTarget(src, 80, 30), true);
    EXPECT_EQ(out, black);
  }
  Bitmap out;
  BuildSkinImageStretched(out, Bitmap(), ButtonSource(), UsualTarget(ButtonSource(), 80, 30), true, {true, true, true, true});
  EXPECT_EQ(out, black);
  BuildSkinImage(out, pic, ButtonSource(), UsualTarget(ButtonSource(), -4, 30), true);
  EXPECT_TRUE(out.IsEmpty());
}

// Edges and clients whose tiling step is 0 cannot be tiled; they are left out instead of dividing by 0.
TEST(SkinImageTest, ZeroStepsLeaveTheirPartOut) {
  const Bitmap pic = CodedPicture(70, 25);
  SkinSource src = ButtonSource();
  src.rt.x = src.lt.x;
  src.client.right = src.client.left;
  const SkinTarget t = UsualTarget(src, 100, 20);
  Bitmap out;
  BuildSkinImage(out, pic, src, t, true);
  EXPECT_EQ(out, ref::SkinImage(pic, src, t, true));
  EXPECT_EQ(out.Pixel(50, 0), gfx::kBlack);
}

TEST(SkinImageTest, BuildersMatchThePerPixelReference) {
  std::mt19937 rng(1234);
  for (int iteration = 0; iteration < 3000; ++iteration) {
    const int32_t sw = ref::Uniform(rng, 1, 20), sh = ref::Uniform(rng, 1, 20);
    const int32_t ox = ref::Uniform(rng, 0, 3), oy = ref::Uniform(rng, 0, 3);
    // Now and then the skin rectangle reaches past its picture.
    const int32_t pw = ref::Uniform(rng, 0, 9) == 0 ? ref::Uniform(rng, 1, sw + ox) : sw + ox + ref::Uniform(rng, 0, 2);
    const int32_t ph = ref::Uniform(rng, 0, 9) == 0 ? ref::Uniform(rng, 1, sh + oy) : sh + oy + ref::Uniform(rng, 0, 2);
    const Bitmap pic = ref::RandomPicture(rng, pw, ph);
    const SkinSource src = ref::RandomSource(rng, Rect::FromSize(ox, oy, sw, sh));
    const SkinTarget t = ref::RandomTarget(rng, src, ref::Uniform(rng, 0, 45), ref::Uniform(rng, 0, 45));
    const bool client = ref::Uniform(rng, 0, 3) != 0;
    const EdgeStretch st{rng() % 2 == 0, rng() % 2 == 0, rng() % 2 == 0, rng() % 2 == 0};
    SCOPED_TRACE(ref::Describe(src, t));
    Bitmap out;
    BuildSkinImage(out, pic, src, t, client);
    ASSERT_EQ(out, ref::SkinImage(pic, src, t, client));
    BuildSkinImageStretched(out, pic, src, t, client, st);
    ASSERT_EQ(out, ref::SkinImage(pic, src, t, client, st));
    BuildSkinImageOpenRight(out, pic, src, t, client);
    ASSERT_EQ(out, ref::SkinImageOpenRight(pic, src, t, client));
  }
}

// Skin pictures of another depth are read through a 24-bit copy.
TEST(SkinImageTest, ReadsPicturesOfAnyDepth) {
  const Bitmap pic24 = CodedPicture(70, 25);
  const Bitmap pic32 = pic24.ConvertTo(32);
  const SkinSource src = ButtonSource();
  Bitmap a, b;
  BuildSkinImage(a, pic24, src, UsualTarget(src, 75, 30), true);
  BuildSkinImage(b, pic32, src, UsualTarget(src, 75, 30), true);
  EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace skin
