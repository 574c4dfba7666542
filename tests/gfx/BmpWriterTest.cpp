// Bitmap file encoding: exact round trips at every depth, the header fields other readers rely on.
#include <gtest/gtest.h>

#include <algorithm>
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

uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

// What a strict reader checks of an index file: every pixel names an entry of the written
// palette. Returns the palette size the file declares.
size_t ExpectEveryIndexInPalette(const std::vector<uint8_t>& file) {
  const int bits = U16(file, 28);
  if (bits > 8) return 0;
  const int32_t width = static_cast<int32_t>(U32(file, 18));
  const int32_t height = static_cast<int32_t>(U32(file, 22));
  size_t colours = U32(file, 46);
  if (colours == 0) colours = size_t{1} << bits;
  EXPECT_EQ(U32(file, 10), 54 + 4 * colours) << "the palette fills the space before the pixels";
  const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* row = file.data() + U32(file, 10) + stride * static_cast<size_t>(y);
    for (int32_t x = 0; x < width; ++x) {
      size_t bit = static_cast<size_t>(x) * bits;
      size_t index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
      EXPECT_LT(index, colours) << "pixel " << x << " of stored row " << y;
    }
  }
  return colours;
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
    // A short palette is completed in black up to the highest index the pixels use.
    size_t written = c.palette;
    if (c.bits <= 8) {
      written = ExpectEveryIndexInPalette(file);
      EXPECT_GE(written, c.palette);
    }
    size_t stride = Bitmap::StrideFor(c.width, c.bits);
    size_t offset = 54 + 4 * written;
    ASSERT_EQ(file.size(), offset + stride * c.height);
    EXPECT_EQ(U32(file, 2), file.size());                      // total size
    EXPECT_EQ(U32(file, 10), offset);                          // pixel offset
    EXPECT_EQ(U32(file, 14), 40u);                             // info header
    EXPECT_EQ(static_cast<int32_t>(U32(file, 22)), c.height);  // bottom-up
    EXPECT_EQ(U16(file, 26), 1u);                              // one plane
    EXPECT_EQ(U32(file, 30), 0u);                              // uncompressed
    EXPECT_EQ(U32(file, 46), written);                         // colours used
    // The first stored row is the bottom one.
    EXPECT_TRUE(std::equal(picture.Row(c.height - 1), picture.Row(c.height - 1) + stride,
                           file.begin() + static_cast<ptrdiff_t>(offset)));
    size_t consumed = 0;
    Bitmap back = DecodeBmp(file, &consumed, false);
    EXPECT_EQ(consumed, file.size());
    Bitmap completed = picture;
    std::vector<Color> palette = picture.Palette();
    palette.resize(written, kBlack);
    completed.SetPalette(palette);
    EXPECT_TRUE(back == completed);
    EXPECT_TRUE(back.ToBgr24() == picture.ToBgr24());

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

// Pixels naming entries past the end of the palette: the picture shows them black, and the file
// written declares a palette long enough for every index, those entries black, so that strict
// readers accept it. A palette already long enough is written as it is.
TEST(BmpWriterTest, AShortPaletteIsCompletedInBlack) {
  struct Case {
    const char* what;
    int bits;
    std::vector<uint8_t> row;  // one stored row
    int32_t width;
    size_t palette;
    size_t written;
  };
  const Case cases[] = {
      {"8 bits, index 5 of 3", 8, {0, 5, 2, 0}, 3, 3, 6},
      {"8 bits, index 255 of 1", 8, {255, 0, 0, 0}, 1, 1, 256},
      {"8 bits, every index inside", 8, {0, 1, 2, 0}, 3, 3, 3},
      {"4 bits, index 15 of 2", 4, {0x1F, 0x00, 0, 0}, 3, 2, 16},
      {"4 bits, index 9 in the odd pixel", 4, {0x09, 0, 0, 0}, 2, 4, 10},
      {"1 bit, index 1 of 1", 1, {0x40, 0, 0, 0}, 2, 1, 2},
      {"1 bit, the bits after the last pixel are none", 1, {0x3F, 0xFF, 0, 0}, 2, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bitmap picture(c.width, 1, c.bits);
    std::vector<Color> palette;
    for (size_t i = 0; i < c.palette; ++i) palette.push_back(Rgb(200, static_cast<uint8_t>(i), 100));
    picture.SetPalette(palette);
    std::copy(c.row.begin(), c.row.end(), picture.Row(0));
    std::vector<uint8_t> file = EncodeBmp(picture);
    EXPECT_EQ(ExpectEveryIndexInPalette(file), c.written);
    Bitmap back = DecodeBmp(file);
    ASSERT_EQ(back.Palette().size(), c.written);
    for (size_t i = c.palette; i < c.written; ++i) EXPECT_EQ(back.Palette()[i], kBlack) << "entry " << i;
    EXPECT_TRUE(back.ToBgr24() == picture.ToBgr24()) << "the file shows what the picture showed";
  }
}

TEST(BmpWriterTest, WrittenFileReadsBack) {
  testing_support::TempDir dir;
  Bitmap picture = Sample(13, 7, 8, 200);
  WriteFileAtomically(dir / "picture.bmp", EncodeBmp(picture));
  // The pixels use indexes past the 200 entries; those are written black.
  Bitmap back = ReadBmpFile(dir / "picture.bmp");
  EXPECT_TRUE(back.ToBgr24() == picture.ToBgr24());
  EXPECT_TRUE(std::equal(picture.Palette().begin(), picture.Palette().end(), back.Palette().begin()));
}

}  // namespace
}  // namespace gfx
