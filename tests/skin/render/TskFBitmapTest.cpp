// The row-pointer picture: layout and conversion from other depths.
#include "skin/render/TskFBitmap.h"

#include <gtest/gtest.h>

#include <utility>

namespace skin {
namespace {

TEST(TskFBitmapTest, RowsAreFourByteAlignedAndTopDown) {
  struct Case {
    int32_t width, filler;
    size_t stride;
  } cases[] = {{1, 1, 4}, {2, 2, 8}, {3, 3, 12}, {4, 0, 12}, {5, 1, 16}};
  for (const Case& c : cases) {
    TskFBitmap b(c.width, 3);
    EXPECT_EQ(b.FillerBytes(), c.filler);
    EXPECT_EQ(b.Stride(), c.stride);
    EXPECT_EQ(b.MemorySize(), c.stride * 3);
    EXPECT_EQ(b.Row(0), b.Pixels());
    EXPECT_EQ(b.Row(2), b.Pixels() + 2 * c.stride);
  }
}

TEST(TskFBitmapTest, ConvertsAnyDepthToBlueGreenRed) {
  gfx::Bitmap indexed(3, 2, 8);
  indexed.SetPalette({gfx::Rgb(10, 20, 30), gfx::Rgb(200, 100, 50)});
  indexed.Row(1)[2] = 1;
  TskFBitmap b(indexed);
  EXPECT_EQ(b.Bitmap().BitsPerPixel(), 24);
  const uint8_t* p = b.Row(1) + 2 * 3;
  EXPECT_EQ(p[0], 50);
  EXPECT_EQ(p[1], 100);
  EXPECT_EQ(p[2], 200);
  EXPECT_EQ(b.Row(0)[0], 30);

  // A move keeps the row table pointing at the pixels.
  TskFBitmap moved(std::move(b));
  EXPECT_EQ(moved.Row(1), moved.Pixels() + moved.Stride());
}

}  // namespace
}  // namespace skin
