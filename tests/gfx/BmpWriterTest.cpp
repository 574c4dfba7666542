// Bitmap file encoding: exact round trips at every depth, the header fields other readers rely on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/BmpCodec.h"
#include "gfx/FileIo.h"
#include "gfx/ImageError.h"
#include "support/TempDir.h"

namespace gfx {
namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

// A picture whose every stored byte differs from its neighbours, padding bits excluded.
Bitmap Sample(int32_t width, int32_t height, int bits, size_t palette_size) {
  Bitmap b(width, height, bits);
  std::vector<Color> palette;
  for (size_t i = 0; i < palette_size; ++i)
    palette.push_back(Rgb(static_cast<uint8_t>(i * 7), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 3)));
  b.SetPalette(palette);
  uint32_t seed = 12345;
  size_t used = (static_cast<size_t>(width) * bits + 7) / 8;
  for (int32_t y = 0; y < height; ++y) {
    for (size_t i = 0; i < used; ++i) {
      seed = seed * 1103515245u + 12345u;
      b.Row(y)[i] = static_cast<uint8_t>(seed >> 16);
    }
  }
  return b;
}

TEST(BmpWriterTest, RoundTripsAtEveryDepth) {
  struct Case {
    int bits;
    int32_t width;
    int32_t height;
    size_t palette;
  };
  const Case cases[] = {{1, 9, 3, 2},  {1, 32, 2, 1}, {4, 7, 2, 16}, {4, 3, 3, 5}, {8, 5, 4, 256},
                        {8, 1, 1, 3},  {16, 3, 2, 0}, {24, 5, 3, 0}, {24, 4, 1, 0}, {32, 3, 3, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.bits) + " bits, " + std::to_string(c.width) + " x " +
                 std::to_string(c.height));
    Bitmap picture = Sample(c.width, c.height, c.bits, c.palette);
    std::vector<uint8_t> file = EncodeBmp(picture);
    size_t stride = Bitmap::StrideFor(c.width, c.bits);
    size_t offset = 54 + 4 * c.palette;
    ASSERT_EQ(file.size(), offset + stride * c.height);
    EXPECT_EQ(U32(file, 2), file.size());                      // total size
    EXPECT_EQ(U32(file, 10), offset);                          // pixel offset
    EXPECT_EQ(U32(file, 14), 40u);                             // info header
    EXPECT_EQ(static_cast<int32_t>(U32(file, 22)), c.height);  // bottom-up
    EXPECT_EQ(U32(file, 30), 0u);                              // uncompressed
    EXPECT_EQ(U32(file, 46), c.palette);                       // colours used
    // The first stored row is the bottom one.
    EXPECT_TRUE(std::equal(picture.Row(c.height - 1), picture.Row(c.height - 1) + stride,
                           file.begin() + static_cast<ptrdiff_t>(offset)));
    size_t consumed = 0;
    EXPECT_TRUE(DecodeBmp(file, &consumed, false) == picture);
    EXPECT_EQ(consumed, file.size());

    std::vector<uint8_t> file24 = EncodeBmp(picture, BmpDepth::k24);
    EXPECT_EQ(U32(file24, 46), 0u);
    Bitmap back24 = DecodeBmp(file24);
    EXPECT_EQ(back24.BitsPerPixel(), 24);
    EXPECT_TRUE(back24 == picture.ToBgr24());
  }
}

TEST(BmpWriterTest, EmptyPictureAndMissingPalette) {
  Bitmap empty;
  EXPECT_TRUE(DecodeBmp(EncodeBmp(empty)).IsEmpty());

  // Without a palette every colour is written black, so that readers do not take pixels for colours.
  Bitmap no_palette(3, 1, 4);
  no_palette.Row(0)[0] = 0x12;
  Bitmap back = DecodeBmp(EncodeBmp(no_palette));
  EXPECT_EQ(back.Palette(), std::vector<Color>(16, kBlack));
  EXPECT_EQ(back.Row(0)[0], 0x12);
}

TEST(BmpWriterTest, WrittenFileReadsBack) {
  testing_support::TempDir dir;
  Bitmap picture = Sample(13, 7, 8, 200);
  WriteFileAtomically(dir / "picture.bmp", EncodeBmp(picture));
  EXPECT_TRUE(ReadBmpFile(dir / "picture.bmp") == picture);
}

}  // namespace
}  // namespace gfx
