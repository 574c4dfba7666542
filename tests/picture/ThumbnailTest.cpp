// Thumbnail sizes of the colour dialog.
#include "picture/Thumbnail.h"

#include <gtest/gtest.h>

namespace picture {
namespace {

TEST(ThumbnailTest, Sizes) {
  struct Case { int w, h, tw, th; };
  for (const Case& c : {Case{120, 90, 120, 90}, Case{180, 180, 180, 180}, Case{400, 300, 180, 135},
                        Case{300, 400, 135, 180}, Case{181, 181, 180, 180}, Case{1000, 7, 180, 1},
                        Case{7, 1000, 1, 180}, Case{1, 5000, 1, 180}, Case{5000, 1, 180, 1}}) {
    gfx::Bitmap t = MakeThumbnail(gfx::Bitmap(c.w, c.h, 24));
    EXPECT_EQ(t.Width(), c.tw) << c.w << "x" << c.h;
    EXPECT_EQ(t.Height(), c.th) << c.w << "x" << c.h;
    EXPECT_EQ(t.BitsPerPixel(), 24);
  }
  EXPECT_TRUE(MakeThumbnail(gfx::Bitmap()).IsEmpty());
}

TEST(ThumbnailTest, KeepsColours) {
  gfx::Bitmap b(400, 300, 8);
  b.SetPalette({gfx::Rgb(10, 200, 30)});
  gfx::Bitmap t = MakeThumbnail(b);
  EXPECT_EQ(t.Pixel(0, 0), gfx::Rgb(10, 200, 30));
  EXPECT_EQ(t.Pixel(179, 134), gfx::Rgb(10, 200, 30));
}

}  // namespace
}  // namespace picture
