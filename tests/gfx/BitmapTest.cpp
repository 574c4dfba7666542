// Bitmap storage, depth conversion and limits.
#include "gfx/Bitmap.h"

#include <gtest/gtest.h>

#include "gfx/ImageError.h"

namespace gfx {
namespace {

TEST(BitmapTest, StrideIsFourByteAligned) {
  struct Case { int32_t width; int bits; size_t stride; };
  for (const Case& c : {Case{1, 1, 4}, Case{33, 1, 8}, Case{7, 4, 4}, Case{9, 4, 8}, Case{5, 8, 8},
                        Case{3, 16, 8}, Case{5, 24, 16}, Case{3, 32, 12}}) {
    EXPECT_EQ(Bitmap::StrideFor(c.width, c.bits), c.stride) << c.width << "x" << c.bits;
  }
}

TEST(BitmapTest, EveryDepthConvertsToBgr24) {
  Bitmap b1(9, 1, 1);
  b1.SetPalette({Rgb(0, 0, 0), Rgb(10, 20, 30)});
  b1.Row(0)[0] = 0x80;  // first pixel index 1
  b1.Row(0)[1] = 0x80;  // ninth pixel index 1
  Bitmap c1 = b1.ToBgr24();
  EXPECT_EQ(c1.Pixel(0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(c1.Pixel(1, 0), Rgb(0, 0, 0));
  EXPECT_EQ(c1.Pixel(8, 0), Rgb(10, 20, 30));

  Bitmap b4(2, 1, 4);
  b4.SetPalette({Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9)});
  b4.Row(0)[0] = 0x21;
  EXPECT_EQ(b4.ToBgr24().Pixel(0, 0), Rgb(7, 8, 9));
  EXPECT_EQ(b4.ToBgr24().Pixel(1, 0), Rgb(4, 5, 6));

  Bitmap b16(1, 1, 16);
  b16.Row(0)[0] = 0x1F;  // blue 31
  b16.Row(0)[1] = 0x7C;  // red 31
  EXPECT_EQ(b16.ToBgr24().Pixel(0, 0), Rgb(255, 0, 255));

  Bitmap b32(1, 1, 32);
  b32.SetPixel(0, 0, Rgb(200, 100, 50));
  Bitmap c32 = b32.ToBgr24();
  EXPECT_EQ(c32.BitsPerPixel(), 24);
  EXPECT_EQ(c32.Row(0)[0], 50);
  EXPECT_EQ(c32.Row(0)[2], 200);
}

TEST(BitmapTest, RefusesAbsurdSizes) {
  EXPECT_THROW(Bitmap(-1, 5), ImageError);
  EXPECT_THROW(Bitmap(1 << 20, 1 << 20), ImageError);
  EXPECT_THROW(Bitmap(1, 1, 7), ImageError);
  EXPECT_TRUE(Bitmap(0, 10).IsEmpty());
}

TEST(BitmapTest, EqualityIgnoresRowPadding) {
  Bitmap a(3, 2, 24), b(3, 2, 24);
  a.Row(0)[9] = 7;  // padding byte
  EXPECT_EQ(a, b);
  b.SetPixel(2, 1, Rgb(1, 1, 1));
  EXPECT_NE(a, b);
}

}  // namespace
}  // namespace gfx
